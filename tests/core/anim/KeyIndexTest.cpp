#include "AnimTestSupport.h"

#include "core/anim/Anim.h"
#include "core/anim/KeyIndex.h"

#include <gtest/gtest.h>
#include <random>

namespace {

const QStringList Ids = {"{A}", "{B}", "{C}", "{D}", "{E}"};
constexpr int Kinds = 3;

// Random projects whose frames repeat IDs, mix classes under one ID and hold from none to more
// objects than a frame is scanned for, edited at random between checks.
class TRandomProject {
public:
    explicit TRandomProject(unsigned seed) : FRandom(seed) {
        Project = ProjectOf(Below(24) + 2);
        for (int i = Below(8); i > 0; --i)
            ObjectsOf(Project, 0).push_back(Make(Below(Kinds), AllAspects));
        for (int frame = 1; frame < Project.FrameCount; ++frame)
            for (int i = Below(3) == 0 ? Below(14) : 0; i > 0; --i)
                ObjectsOf(Project, frame).push_back(Make(Below(Kinds), Below(32)));
    }

    std::unique_ptr<TTypesObject> Make(int kind, unsigned keys) {
        const TPolyPointsEx points(static_cast<std::size_t>(Below(3) + 1),
                                   TPointEx{Extended(Below(100)), Extended(Below(100))});
        std::unique_ptr<TTypesObject> object;
        if (kind == 0) {
            object = Polyline(Ids[Below(Ids.size())], points, keys);
        } else if (kind == 1) {
            auto polygon = std::make_unique<TTypesPolygon>(1.0L);
            polygon->SetPoints(points);
            object = std::move(polygon);
        } else {
            TPlacement placement;
            placement.Centre = points.front();
            placement.Angle = Below(360);
            object = Placed(QString(), placement, keys);
        }
        object->ID = Ids[Below(Ids.size())];
        SetKeys(*object, keys);
        TProps props;
        props.Trans = Below(101);
        props.BrushColor = static_cast<TColor>(FRandom() & 0xFFFFFF);
        props.PenWidth = Below(5);
        object->SetProps(props);
        return object;
    }

    void Edit() {
        TObjectList& objects = ObjectsOf(Project, Below(Project.FrameCount));
        const int choice = Below(4);
        if (choice == 0 || objects.empty()) {
            const auto at = objects.begin() + Below(static_cast<int>(objects.size()) + 1);
            objects.insert(at, Make(Below(Kinds), Below(32)));
            return;
        }
        const auto at = objects.begin() + Below(static_cast<int>(objects.size()));
        if (choice == 1)
            objects.erase(at);
        else if (choice == 2)
            SetKeyFrame(**at, static_cast<TAspect>(Below(AspectCount)), Below(2) == 1);
        else
            (*at)->ID = Ids[Below(Ids.size())];
    }

    int Below(int n) { return static_cast<int>(FRandom() % static_cast<unsigned>(n)); }

    TProject Project;

private:
    std::mt19937 FRandom;
};

void ExpectSameKey(const TKey& indexed, const TKey& plain) {
    EXPECT_EQ(indexed.Object, plain.Object);
    EXPECT_EQ(indexed.Frame, plain.Frame);
}

TProject CopyOf(const TProject& project) {
    TProject copy = ProjectOf(project.FrameCount);
    copy.Splines = project.Splines;
    for (int frame = 0; frame < project.FrameCount; ++frame)
        for (const auto& object : project.Frames[frame]->Objects)
            copy.Frames[frame]->Objects.push_back(CloneObject(object.get(), 1.0L));
    return copy;
}

void ExpectSameObject(const TTypesObject& a, const TTypesObject& b) {
    EXPECT_EQ(a.ID, b.ID);
    EXPECT_TRUE(SameClass(a, b));
    EXPECT_EQ(KeyFrameAspects(a), KeyFrameAspects(b));
    EXPECT_EQ(a.GetProps(), b.GetProps());
    EXPECT_EQ(a.IsSelected(), b.IsSelected());
    if (a.AspectPoints() && b.AspectPoints()) {
        ASSERT_EQ(a.AspectPoints()->size(), b.AspectPoints()->size());
        for (std::size_t i = 0; i < a.AspectPoints()->size(); ++i) {
            EXPECT_EQ((*a.AspectPoints())[i].X, (*b.AspectPoints())[i].X);
            EXPECT_EQ((*a.AspectPoints())[i].Y, (*b.AspectPoints())[i].Y);
        }
    }
    if (a.AspectPlacement() && b.AspectPlacement()) {
        EXPECT_EQ(a.AspectPlacement()->Centre.X, b.AspectPlacement()->Centre.X);
        EXPECT_EQ(a.AspectPlacement()->Angle, b.AspectPlacement()->Angle);
    }
}

} // namespace

TEST(KeyIndex, FindsWhatThePlainSearchFindsThroughRandomEdits) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        TRandomProject random(seed);
        for (int round = 0; round < 25; ++round) {
            for (int edits = random.Below(4); edits >= 0; --edits)
                random.Edit();
            TKeyIndex index(random.Project.Frames);
            const TFrameList& frames = random.Project.Frames;
            for (int kind = 0; kind < Kinds; ++kind) {
                const std::unique_ptr<TTypesObject> probe = random.Make(kind, 0);
                const int frame = random.Below(random.Project.FrameCount + 1);
                const unsigned aspects = static_cast<unsigned>(random.Below(32));
                const TAspectKeys keys = index.Find(*probe, aspects, frame);
                for (int i = 0; i < AspectCount; ++i) {
                    const TKeys plain = (aspects & (1u << i))
                                            ? FindKeys(frames, *probe, TAspect(i), frame)
                                            : TKeys();
                    ExpectSameKey(keys[i].Prev, plain.Prev);
                    ExpectSameKey(keys[i].Next, plain.Next);
                    ExpectSameKey(index.PrevKey(*probe, TAspect(i), frame),
                                  FindPrevKey(frames, *probe, TAspect(i), frame));
                    ExpectSameKey(index.NextKey(*probe, TAspect(i), frame),
                                  FindNextKey(frames, *probe, TAspect(i), frame));
                }
                for (int f = 0; f < random.Project.FrameCount; ++f)
                    EXPECT_EQ(index.IndexIn(f, probe->ID),
                              IndexOfID(probe->ID, frames[f]->Objects));
            }
            ASSERT_FALSE(HasFailure()) << "seed " << seed << " round " << round;
        }
    }
}

TEST(KeyIndex, IndexedBuildsMatchPlainBuildsThroughRandomEdits) {
    for (unsigned seed = 100; seed < 160; ++seed) {
        TRandomProject random(seed);
        for (int round = 0; round < 6; ++round) {
            random.Edit();
            random.Project.Splines = round % 2 == 1;
            TProject plain = CopyOf(random.Project);
            const int frame = random.Below(random.Project.FrameCount);
            BuildFrame(random.Project, frame, TKeySearch::Indexed);
            BuildFrame(plain, frame, TKeySearch::Plain);
            for (int f = 0; f < plain.FrameCount; ++f) {
                const TObjectList& a = ObjectsOf(random.Project, f);
                const TObjectList& b = ObjectsOf(plain, f);
                ASSERT_EQ(a.size(), b.size()) << "seed " << seed << " frame " << f;
                for (std::size_t i = 0; i < a.size(); ++i)
                    ExpectSameObject(*a[i], *b[i]);
            }
            ASSERT_FALSE(HasFailure()) << "seed " << seed << " round " << round;
            if (frame > 0)
                StripFrame(*random.Project.Frames[frame]);
        }
    }
}
