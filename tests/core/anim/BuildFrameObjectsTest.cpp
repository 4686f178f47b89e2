#include "AnimTestSupport.h"
#include "RandomScene.h"

#include "core/anim/Anim.h"
#include "core/model/Stream.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

QByteArray RecordOf(const TTypesObject& object) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TStream stream(buffer);
    object.DataToStream(stream);
    return bytes;
}

void ExpectSameObjects(const TObjectList& built, const TObjectList& expected) {
    ASSERT_EQ(built.size(), expected.size());
    for (std::size_t i = 0; i < built.size(); ++i) {
        const TTypesObject& a = *built[i];
        const TTypesObject& b = *expected[i];
        EXPECT_EQ(a.TypeCode(), b.TypeCode()) << "object " << i;
        EXPECT_EQ(a.ID, b.ID) << "object " << i;
        EXPECT_EQ(a.ObjName, b.ObjName) << "object " << i;
        EXPECT_EQ(KeyFrameAspects(a), KeyFrameAspects(b)) << "object " << i;
        EXPECT_EQ(a.IsSelected(), b.IsSelected()) << "object " << i;
        EXPECT_EQ(a.Zoom(), b.Zoom()) << "object " << i;
        EXPECT_EQ(RecordOf(a), RecordOf(b)) << "object " << i;
    }
}

} // namespace

// The reference is BuildFrame in a second scene made from the same seed, so it owes nothing to
// the copying that BuildFrameObjects does.
TEST(BuildFrameObjects, GivesWhatBuildFrameLeavesInTheFrameAndLeavesTheProjectAsItWas) {
    constexpr int Width = 120;
    constexpr int Height = 90;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        TRandomScene scene(seed, Width, Height);
        const TProject& project = scene.Project;
        const QByteArray before = ProjectBytes(scene.Project);
        for (int frame = 0; frame < project.FrameCount; ++frame)
            for (const TKeySearch search : {TKeySearch::Indexed, TKeySearch::Plain}) {
                TRandomScene reference(seed, Width, Height);
                BuildFrame(reference.Project, frame, search);
                ExpectSameObjects(BuildFrameObjects(project, frame, search),
                                  ObjectsOf(reference.Project, frame));
                ASSERT_FALSE(HasFailure()) << "seed " << seed << " frame " << frame
                                           << (search == TKeySearch::Plain ? " plain" : "");
            }
        EXPECT_EQ(ProjectBytes(scene.Project), before) << "seed " << seed;
        EXPECT_TRUE(!scene.Selected || scene.Selected->IsSelected()) << "seed " << seed;
    }
}
