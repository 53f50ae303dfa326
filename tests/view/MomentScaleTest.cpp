// The remembered moment scale must follow every change that alters the
// structure's maxMoment.

#include "view/MomentScale.h"

#include "view/ViewTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(MomentScale, FollowsEveryChangeOfGeometryMomentsAndLoads)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 0, false));
    structure.nodes.Add(MakeNode(2, 4, 0));
    structure.nodes.Add(MakeNode(3, 4, 3));
    structure.rods.Add(MakeRod(1, 0, 1));
    structure.rods.Add(MakeRod(2, 1, 2));
    structure.rods[0].load = Pair(0, -10);
    structure.rods[1].resultM = Pair(5, -3);

    const std::pair<const char *, std::function<void(StructureModel &)>> changes[] = {
        {"nothing", [](StructureModel &) {}},
        {"a node moves", [](StructureModel &s) { s.nodes[1].x = 6; }},
        {"an end moment", [](StructureModel &s) { s.rods[1].resultM.y = -30; }},
        {"a load", [](StructureModel &s) { s.rods[0].load = Pair(0, -1); }},
        {"a rod's node", [](StructureModel &s) { s.rods[1].begin.node = 0; }},
        {"a new rod",
         [](StructureModel &s) {
             s.rods.Add(MakeRod(3, 0, 2));
             s.rods[2].resultM = Pair(100, 0);
         }},
        {"a removed rod", [](StructureModel &s) { s.rods.remove(2); }},
        {"a node far away", [](StructureModel &s) { s.nodes[2].y = 1e6; }},
    };
    MomentScale scale;
    for (const auto &[what, change] : changes) {
        change(structure);
        EXPECT_EQ(structure.maxMoment(), scale.reference(structure)) << what;
        EXPECT_EQ(structure.maxMoment(), scale.reference(structure)) << what << ", asked again";
    }
}

} // namespace
