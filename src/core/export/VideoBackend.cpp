#include "core/export/VideoBackend.h"

#include "core/export/ExportError.h"
#include "core/text/ResStr.h"

#include <condition_variable>
#include <dlfcn.h>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// The library's file name, and its folder in an installation relative to the program's; both
// come from the build.
constexpr const char* LibraryName = KELVRO_VIDEO_LIBRARY;
constexpr const char* InstalledFolder = KELVRO_VIDEO_FOLDER;

// The folder of the running program, its links resolved; empty if the system does not say.
std::string ProgramFolder() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size())
        return {};
    path.resize(static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/'));
}

struct TLoaded {
    const TVideoBackend* Backend = nullptr;
    std::string Problem;
};

TLoaded Unavailable(const std::string& reason) {
    return {nullptr, reason};
}

// What the user reads; made where it is shown, so it speaks the language of the moment.
QString ProblemText(const std::string& reason) {
    return ResStr(25150, "Der Videoexport ist nicht verfügbar: %1")
        .arg(QString::fromStdString(reason));
}

TLoaded Checked(const TVideoBackend* backend, const std::string& path) {
    if (!backend)
        return Unavailable(path + " is not a video library of this program");
    if (backend->Version != VideoBackendVersion)
        return Unavailable(path + " belongs to another version of this program");
    return {backend, {}};
}

// Beside the program first (the build tree, a program unpacked anywhere), then where the
// installation puts it. The library stays loaded for the rest of the run.
TLoaded Load() {
    using TEntry = const TVideoBackend* (*)();
    // A program linked against the library, as the tests and benchmarks are, has it already.
    // (Asking dlopen for it by name would search the system's library folders first.)
    if (const auto linked = reinterpret_cast<TEntry>(dlsym(RTLD_DEFAULT, VideoBackendEntry)))
        return Checked(linked(), LibraryName);
    void* handle = nullptr;
    std::string path;
    std::string failure;
    const std::string folder = ProgramFolder();
    for (const std::string& candidate :
         {folder + '/' + LibraryName, folder + '/' + InstalledFolder + '/' + LibraryName}) {
        if (folder.empty() || access(candidate.c_str(), F_OK) != 0)
            continue;
        handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle && failure.empty()) {
            const char* reason = dlerror();
            failure = "cannot load " + candidate + ": " + (reason ? reason : "unknown reason");
        }
        if (handle) {
            path = candidate;
            break;
        }
    }
    if (!handle)
        return Unavailable(!failure.empty() ? failure
                                            : std::string(LibraryName) +
                                                  " is neither beside the program nor in " +
                                                  folder + '/' + InstalledFolder);
    const auto entry = reinterpret_cast<TEntry>(dlsym(handle, VideoBackendEntry));
    return Checked(entry ? entry() : nullptr, path);
}

// Loads the library once, on a thread of its own so the caller goes on meanwhile.
class TBackendLoader {
public:
    TBackendLoader() = default;
    TBackendLoader(const TBackendLoader&) = delete;
    TBackendLoader& operator=(const TBackendLoader&) = delete;
    // A program that ends while the library still loads waits for it: the loading thread must
    // not outlive the objects it reports to.
    ~TBackendLoader() {
        if (FThread.joinable())
            FThread.join();
    }

    void Start() {
        std::lock_guard<std::mutex> lock(FMutex);
        if (FStarted)
            return;
        FStarted = true;
        try {
            FThread = std::thread([this] { Report(Load()); });
        } catch (const std::system_error&) {
            // No thread to spare: the first one to wait loads it.
            FStarted = false;
        }
    }

    const TLoaded& Wait() {
        Start();
        std::unique_lock<std::mutex> lock(FMutex);
        if (!FStarted) {
            lock.unlock();
            Report(Load());
            lock.lock();
        }
        FChanged.wait(lock, [this] { return FDone; });
        return FLoaded;
    }

private:
    void Report(TLoaded loaded) {
        std::lock_guard<std::mutex> lock(FMutex);
        if (FDone)
            return;
        FLoaded = std::move(loaded);
        FDone = true;
        FChanged.notify_all();
    }

    std::mutex FMutex;
    std::condition_variable FChanged;
    std::thread FThread;
    bool FStarted = false;
    bool FDone = false;
    TLoaded FLoaded;
};

TBackendLoader& Loader() {
    static TBackendLoader loader;
    return loader;
}

} // namespace

void PreloadVideoBackend() {
    Loader().Start();
}

const TVideoBackend& LoadedVideoBackend() {
    const TLoaded& loaded = Loader().Wait();
    if (!loaded.Backend)
        throw TExportError(ProblemText(loaded.Problem).toStdString());
    return *loaded.Backend;
}

QString VideoBackendProblem() {
    const TLoaded& loaded = Loader().Wait();
    return loaded.Backend ? QString() : ProblemText(loaded.Problem);
}
