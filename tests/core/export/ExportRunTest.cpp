#include "core/export/ExportRun.h"
#include "BarProject.h"
#include "core/anim/RenderFrame.h"
#include "core/export/ExportError.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Keeps what the run hands over and can fail on a chosen frame.
class TScriptedWriter : public TFrameWriter {
public:
    int FailAt = -1;
    TExportShape Shape;
    std::vector<QImage> Frames;
    std::vector<int> Indices;
    bool Finished = false;
    bool Aborted = false;
    bool FailToBegin = false;

    void Begin(const TExportShape& shape) override {
        if (FailToBegin)
            throw TExportError("Could not set format!");
        Shape = shape;
    }
    void AddFrame(const QImage& frame, int index) override {
        if (index == FailAt)
            throw TExportError("Could not add frame!");
        Frames.push_back(frame);
        Indices.push_back(index);
    }
    void Finish() override { Finished = true; }
    void Abort() noexcept override { Aborted = true; }
};

QImage Rendered(const TProject& project, int frame) {
    QImage bitmap;
    RenderFrame(project, frame, bitmap);
    return bitmap;
}

} // namespace

TEST(ExportRun, HandsTheRangeOverInOrderAndFinishes) {
    const TProject project = BarProject(10);
    struct TCase {
        int First;
        int Count;
    };
    for (const TCase& range : {TCase{0, 1}, TCase{3, 5}, TCase{0, 10}}) {
        TScriptedWriter writer;
        EXPECT_EQ(RunExport(project, range.First, range.Count, writer), range.Count);
        ASSERT_EQ(static_cast<int>(writer.Frames.size()), range.Count);
        EXPECT_EQ(writer.Shape.Count, range.Count);
        EXPECT_EQ(writer.Shape.Width, 321);
        EXPECT_TRUE(writer.Finished && !writer.Aborted);
        for (int i = 0; i < range.Count; ++i) {
            EXPECT_EQ(writer.Indices[static_cast<std::size_t>(i)], i);
            EXPECT_EQ(writer.Frames[static_cast<std::size_t>(i)],
                      Rendered(project, range.First + i))
                << "frame " << range.First + i;
        }
    }
}

TEST(ExportRun, CancellingKeepsTheFramesWrittenAndFinishes) {
    const TProject project = BarProject(10);
    TScriptedWriter writer;
    std::vector<int> reported;
    const int written = RunExport(project, 0, 10, writer, [&](int done, int count) {
        EXPECT_EQ(count, 10);
        reported.push_back(done);
        return done < 3;
    });
    EXPECT_EQ(written, 3);
    EXPECT_EQ(writer.Frames.size(), 3u);
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(writer.Finished && !writer.Aborted);
}

TEST(ExportRun, AWriterFailureOrABadRangeStopsTheRunWithItsMessage) {
    const TProject project = BarProject(10);
    TScriptedWriter failing;
    failing.FailAt = 2;
    try {
        RunExport(project, 0, 10, failing);
        ADD_FAILURE() << "no error";
    } catch (const TExportError& error) {
        EXPECT_STREQ(error.what(), "Could not add frame!");
    }
    EXPECT_EQ(failing.Frames.size(), 2u);
    EXPECT_TRUE(failing.Aborted && !failing.Finished);

    // Frames already render while the writer begins; its failure still ends the run.
    TScriptedWriter unbegun;
    unbegun.FailToBegin = true;
    EXPECT_THROW(RunExport(project, 0, 10, unbegun), TExportError);
    EXPECT_TRUE(unbegun.Frames.empty());
    EXPECT_TRUE(unbegun.Aborted && !unbegun.Finished);

    TScriptedWriter outside;
    EXPECT_THROW(RunExport(project, 8, 3, outside), TExportError);
    EXPECT_TRUE(outside.Frames.empty());
}
