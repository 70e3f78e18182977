#include <gtest/gtest.h>

#include "host/tsxapi/scene.h"
#include "tests/support/vector_checks.h"

using standin::ObjectData;
using standin::Scene;

namespace {

class StandinScene : public testing::Test {
protected:
    void SetUp() override { scene.Reset(); }
    Scene scene;
};

}  // namespace

TEST_F(StandinScene, DefaultSceneHasThreeBoxesAndSelectsTheFirst) {
    ASSERT_EQ(3, scene.Count());
    const char* names[] = {"Cube", "Slab", "Post"};
    const Vector3 locations[] = {{0, 0, 0}, {5, 0, 0}, {-4, 3, 1}};
    const Vector3 sizes[] = {{2, 2, 2}, {4, 2, 0.5f}, {0.5f, 0.5f, 3}};
    for (int i = 0; i < 3; ++i) {
        ObjectData d;
        ASSERT_TRUE(scene.Get(scene.At(i), &d));
        EXPECT_EQ(i + 1, d.id);
        EXPECT_EQ(names[i], d.name);
        ExpectVector(locations[i], d.location);
        ExpectVector(sizes[i], d.size);
        ExpectVector(locations[i], d.axesPosition);
        ExpectVector(Vector3{0, 0, 0}, d.rotation);
        EXPECT_EQ(standin::kDefaultUnits, d.units);
        EXPECT_EQ(1, d.axesVisible);
    }
    EXPECT_EQ(scene.At(0), scene.Selection());
}

TEST_F(StandinScene, UnknownHandlesAreRefused) {
    int local = 0;
    EXPECT_FALSE(scene.IsLive(nullptr));
    EXPECT_FALSE(scene.IsLive(&local));
    EXPECT_EQ(0, scene.IdOf(&local));
    EXPECT_EQ(nullptr, scene.At(-1));
    EXPECT_EQ(nullptr, scene.At(3));
    EXPECT_FALSE(scene.SetLocation(&local, Vector3{1, 1, 1}));
    BBox box{};
    EXPECT_FALSE(scene.GetBBox(nullptr, &box));
    EXPECT_EQ(nullptr, scene.Vertices(&local));
    scene.Select(&local);
    EXPECT_EQ(nullptr, scene.Selection());
}

TEST_F(StandinScene, BBoxFollowsLocationAndSize) {
    void* slab = scene.At(1);
    BBox box;
    ASSERT_TRUE(scene.GetBBox(slab, &box));
    ExpectVector(Vector3{3, -1, -0.25f}, box.min);
    ExpectVector(Vector3{7, 1, 0.25f}, box.max);

    scene.SetLocation(slab, Vector3{1, 2, 3});
    scene.GetBBox(slab, &box);
    ExpectVector(Vector3{-1, 1, 2.75f}, box.min);
    ExpectVector(Vector3{3, 3, 3.25f}, box.max);

    scene.SetSize(slab, Vector3{2, 4, 6});
    scene.GetBBox(slab, &box);
    ExpectVector(Vector3{0, 0, 0}, box.min);
    ExpectVector(Vector3{2, 4, 6}, box.max);
}

TEST_F(StandinScene, BBoxIgnoresRotationAndSignOfSize) {
    void* cube = scene.At(0);
    scene.SetRotation(cube, Vector3{0, 0, 45});
    scene.SetSize(cube, Vector3{-2, 2, 2});
    BBox box;
    scene.GetBBox(cube, &box);
    ExpectVector(Vector3{-1, -1, -1}, box.min);
    ExpectVector(Vector3{1, 1, 1}, box.max);
}

TEST_F(StandinScene, MovingCarriesTheAxesAlong) {
    void* cube = scene.At(0);
    scene.SetAxesPosition(cube, Vector3{1, 1, 1});
    scene.SetLocation(cube, Vector3{10, 0, -2});
    ObjectData d;
    scene.Get(cube, &d);
    ExpectVector(Vector3{10, 0, -2}, d.location);
    ExpectVector(Vector3{11, 1, -1}, d.axesPosition);
    // Turning or resizing leaves them.
    scene.SetRotation(cube, Vector3{10, 20, 30});
    scene.SetSize(cube, Vector3{1, 1, 1});
    scene.Get(cube, &d);
    ExpectVector(Vector3{11, 1, -1}, d.axesPosition);
}

TEST_F(StandinScene, AxesPositionMovesOnlyTheAxes) {
    void* post = scene.At(2);
    scene.SetAxesPosition(post, Vector3{0, 0, 0});
    ObjectData d;
    scene.Get(post, &d);
    ExpectVector(Vector3{-4, 3, 1}, d.location);
    ExpectVector(Vector3{0, 0, 0}, d.axesPosition);
}

TEST_F(StandinScene, VerticesAreTheBoxCornersAndFollowChanges) {
    void* slab = scene.At(1);
    const Vector3* v = scene.Vertices(slab);
    ASSERT_NE(nullptr, v);
    ExpectVector(Vector3{3, -1, -0.25f}, v[0]);
    ExpectVector(Vector3{7, -1, -0.25f}, v[1]);
    ExpectVector(Vector3{3, 1, -0.25f}, v[2]);
    ExpectVector(Vector3{7, 1, 0.25f}, v[7]);

    scene.SetLocation(slab, Vector3{0, 0, 0});
    EXPECT_EQ(v, scene.Vertices(slab));  // same array, new contents
    ExpectVector(Vector3{2, 1, 0.25f}, v[7]);

    // 90 degrees about Z: the box's X extent now lies along Y.
    scene.SetRotation(slab, Vector3{0, 0, 90});
    ExpectVectorNear(Vector3{-1.0f, 2.0f, 0.25f}, v[7], 1e-6);
}

TEST_F(StandinScene, VertexTransformMapsTheUnitCubeOntoTheVertices) {
    void* post = scene.At(2);
    scene.SetRotation(post, Vector3{15, -30, 60});
    Matrix m;
    ASSERT_TRUE(scene.VertexTransform(post, &m));
    const Vector3* v = scene.Vertices(post);
    for (int k = 0; k < standin::kBoxVertices; ++k) {
        Vector3 c = standin::UnitCubeCorner(k);
        for (int row = 0; row < 3; ++row) {
            float mapped = m.m[row * 4] * c.x + m.m[row * 4 + 1] * c.y + m.m[row * 4 + 2] * c.z +
                           m.m[row * 4 + 3];
            float expected = row == 0 ? v[k].x : (row == 1 ? v[k].y : v[k].z);
            EXPECT_NEAR(expected, mapped, 1e-5) << "corner " << k << " row " << row;
        }
    }
}

TEST_F(StandinScene, CopyAddsAndSelectsANamedCopy) {
    void* slab = scene.At(1);
    scene.Select(slab);
    scene.SetRotation(slab, Vector3{1, 2, 3});
    scene.SetUnits(slab, 7);
    void* copy = scene.CopySelected();
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(slab, copy);
    EXPECT_EQ(4, scene.Count());
    EXPECT_EQ(copy, scene.Selection());
    EXPECT_EQ(copy, scene.At(3));
    ObjectData d;
    scene.Get(copy, &d);
    EXPECT_EQ(4, d.id);
    EXPECT_EQ("Slab copy", d.name);
    ExpectVector(Vector3{5, 0, 0}, d.location);
    ExpectVector(Vector3{1, 2, 3}, d.rotation);
    ExpectVector(Vector3{4, 2, 0.5f}, d.size);
    EXPECT_EQ(7, d.units);
    // The copy has its own vertices.
    EXPECT_NE(scene.Vertices(slab), scene.Vertices(copy));
    scene.SetLocation(copy, Vector3{0, 0, 0});
    ObjectData original;
    scene.Get(slab, &original);
    ExpectVector(Vector3{5, 0, 0}, original.location);
}

TEST_F(StandinScene, CopyOfACopyAndLongNames) {
    scene.CopySelected();
    scene.CopySelected();
    ObjectData d;
    scene.Get(scene.Selection(), &d);
    EXPECT_EQ("Cube copy copy", d.name);
    EXPECT_EQ(5, d.id);
    void* longOne =
        scene.Add("A name that is far too long for the record", Vector3{}, Vector3{1, 1, 1});
    scene.Select(longOne);
    scene.CopySelected();
    scene.Get(scene.Selection(), &d);
    EXPECT_EQ(static_cast<size_t>(standin::kMaxName), d.name.size());
}

TEST_F(StandinScene, CopyWithNothingSelectedDoesNothing) {
    scene.Select(nullptr);
    EXPECT_EQ(nullptr, scene.CopySelected());
    EXPECT_EQ(3, scene.Count());
}

TEST_F(StandinScene, ToggleAxesFlipsTheSelectedObjectOnly) {
    void* post = scene.At(2);
    scene.Select(post);
    EXPECT_EQ(0, scene.ToggleSelectedAxes());
    EXPECT_EQ(0, scene.Find(post)->axesVisible);
    EXPECT_EQ(1, scene.Find(scene.At(0))->axesVisible);
    EXPECT_EQ(1, scene.ToggleSelectedAxes());
    EXPECT_EQ(1, scene.Find(post)->axesVisible);
    scene.Select(nullptr);
    EXPECT_EQ(-1, scene.ToggleSelectedAxes());
}

TEST_F(StandinScene, SelectedFacesFillTheListAndClamp) {
    void* cube = scene.At(0);
    EXPECT_EQ(0, scene.SelectedFaces(cube, nullptr));
    ObjectData d;
    scene.Get(cube, &d);
    d.selectedFaces = 3;
    scene.Set(cube, d);
    int list[6] = {-1, -1, -1, -1, -1, -1};
    EXPECT_EQ(3, scene.SelectedFaces(cube, nullptr));
    EXPECT_EQ(3, scene.SelectedFaces(cube, list));
    EXPECT_EQ(0, list[0]);
    EXPECT_EQ(2, list[2]);
    EXPECT_EQ(-1, list[3]);
    d.selectedFaces = 99;
    scene.Set(cube, d);
    EXPECT_EQ(6, scene.SelectedFaces(cube, nullptr));
}

TEST_F(StandinScene, SetKeepsTheIdAndRederivesVertices) {
    void* cube = scene.At(0);
    ObjectData d;
    scene.Get(cube, &d);
    d.id = 42;
    d.name = "Renamed";
    d.location = Vector3{1, 0, 0};
    ASSERT_TRUE(scene.Set(cube, d));
    ObjectData after;
    scene.Get(cube, &after);
    EXPECT_EQ(1, after.id);
    EXPECT_EQ("Renamed", after.name);
    ExpectVector(Vector3{2, 1, 1}, scene.Vertices(cube)[7]);
}

TEST_F(StandinScene, RemoveAllAndAddStartIdsAgain) {
    scene.RemoveAll();
    EXPECT_EQ(0, scene.Count());
    EXPECT_EQ(nullptr, scene.Selection());
    void* one = scene.Add("One", Vector3{1, 2, 3}, Vector3{1, 1, 1});
    EXPECT_EQ(1, scene.IdOf(one));
    EXPECT_EQ(nullptr, scene.Selection());
}

TEST_F(StandinScene, PointAxes) {
    ExpectVector(Vector3{0, 0, 0}, scene.PointAxesPosition());
    scene.SetPointAxes(Vector3{1, 2, 3}, Vector3{10, 20, 30});
    ExpectVector(Vector3{1, 2, 3}, scene.PointAxesPosition());
    ExpectVector(Vector3{10, 20, 30}, scene.PointAxesRotation());
    scene.Reset();
    ExpectVector(Vector3{0, 0, 0}, scene.PointAxesPosition());
}
