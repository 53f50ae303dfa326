// Cross-check against the direct-stiffness reference of frames whose rods
// differ in rigidity by up to 10^4 and 10^6, and of frames entered in other
// units (millimetres with EI in N*mm^2, or the reverse). Wrong values must
// never be reported as success, and a change of units must never turn a
// calculated frame into a refused one. Besides the small random frames of
// the generator, multi-bay, multi-storey grid frames with hinged beams,
// braces and cantilever stubs are tried.
//
// The suite runs a few thousand frames. RUVO_CROSSCHECK_FRAMES=N runs N
// random and N/10 grid frames per row and adds a row with rigidities ten
// orders apart; the counts are printed either way.

#include "engine/CrossCheckFrames.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace enginetest;

namespace {

// Frames of bays and storeys on clamps and pins: beams rigid or hinged at
// their ends, now and then a hinged brace in a bay and a cantilever stub on
// the roof, loads on beams and nodes.
class GridGenerator {
public:
    GridGenerator(std::uint32_t seed, double spread) : random(seed), spread(spread) {}

    Frame Next()
    {
        Frame frame;
        const int bays = Uniform(1, 4);
        const int storeys = Uniform(1, 4);
        std::vector<double> xs(1, 0.0), ys(1, 0.0);
        for (int i = 0; i < bays; ++i)
            xs.push_back(xs.back() + 0.5 * Uniform(4, 12));
        for (int j = 0; j < storeys; ++j)
            ys.push_back(ys.back() + 0.5 * Uniform(5, 8));
        auto at = [bays](int i, int j) { return j * (bays + 1) + i; };
        for (int j = 0; j <= storeys; ++j) {
            for (int i = 0; i <= bays; ++i) {
                FrameNode node;
                node.number = static_cast<int>(frame.nodes.size()) + 1;
                node.x = xs[i];
                node.y = ys[j];
                if (j == 0)
                    node.support = Uniform(0, 2) == 0 ? SupportKind::Pin : SupportKind::Clamp;
                else if (Chance(0.3))
                    node.force = Pair(Uniform(-10, 10), Uniform(-10, 0));
                frame.nodes.push_back(node);
            }
        }
        for (int j = 0; j < storeys; ++j) {
            for (int i = 0; i <= bays; ++i)
                AddRod(frame, at(i, j), at(i, j + 1), false, false);
        }
        for (int j = 1; j <= storeys; ++j) {
            for (int i = 0; i < bays; ++i) {
                FrameRod &beam = AddRod(frame, at(i, j), at(i + 1, j), Chance(0.15), Chance(0.15));
                if (Chance(0.6))
                    beam.load = Pair(0.0, -Uniform(1, 10));
            }
        }
        for (int j = 0; j < storeys; ++j) {
            for (int i = 0; i < bays; ++i) {
                if (Chance(0.15))
                    AddRod(frame, at(i, j), at(i + 1, j + 1), true, true);
            }
        }
        if (Chance(0.4)) {
            const int base = at(Uniform(0, bays), storeys);
            FrameNode tip;
            tip.number = static_cast<int>(frame.nodes.size()) + 1;
            tip.x = frame.nodes[base].x;
            tip.y = frame.nodes[base].y + 0.5 * Uniform(2, 4);
            if (Chance(0.5))
                tip.force = Pair(Uniform(-5, 5), 0.0);
            frame.nodes.push_back(tip);
            AddRod(frame, base, static_cast<int>(frame.nodes.size()) - 1, false, false);
        }
        return frame;
    }

private:
    int Uniform(int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); }
    bool Chance(double probability) { return random() % 1000 < probability * 1000; }

    FrameRod &AddRod(Frame &frame, int a, int b, bool beginHinged, bool endHinged)
    {
        FrameRod rod;
        rod.number = static_cast<int>(frame.rods.size()) + 1;
        rod.begin = a;
        rod.end = b;
        rod.beginHinged = beginHinged;
        rod.endHinged = endHinged;
        rod.EI = 1.0 + 0.5 * Uniform(0, 18);
        if (spread > 0.0)
            rod.EI *= std::pow(10.0, spread * (random() / 4294967296.0));
        frame.rods.push_back(rod);
        return frame.rods.back();
    }

    std::mt19937 random;
    double spread;
};

struct Row {
    const char *name;
    double spread;            // rigidities differ by up to 10^spread
    Units units;              // units the engine is given the frames in
    double relative;          // accuracy required, of the largest value of each kind
    bool optInOnly;           // only with RUVO_CROSSCHECK_FRAMES
    bool figuresOnly = false; // counted and printed, beyond what is asked of the method
};

int FramesPerRow()
{
    if (const char *text = std::getenv("RUVO_CROSSCHECK_FRAMES"))
        return std::max(10, std::atoi(text));
    return 0;
}

std::string Summary(const Tally &tally)
{
    std::string refusals;
    for (const auto &[id, count] : tally.refusedWith)
        refusals += " " + std::to_string(id) + " x" + std::to_string(count);
    char text[400];
    std::snprintf(text, sizeof text,
                  "%d frames: %d stable, %d checked, %d wrong values reported as success, %d refused (%s ), "
                  "%d mechanisms (%d calculated), %d too close to a mechanism, %d the reference cannot solve",
                  tally.frames, tally.stable, tally.checked, tally.wrong, tally.refused, refusals.c_str(),
                  tally.mechanisms, tally.mechanismsCalculated, tally.nearMechanisms, tally.referenceOff);
    return text;
}

} // namespace

TEST(StiffnessCrossCheck, ResultsDoNotDependOnUnitsOrOnHowFarRigiditiesDiffer)
{
    const int optIn = FramesPerRow();
    const int randomFrames = optIn > 0 ? optIn : 1500;
    const int gridFrames = optIn > 0 ? std::max(1, optIn / 10) : 40;
    const Units metres;
    const Units millimetres{"mm, N*mm^2, loads x1e3", 1e3, 1e12, 1e3};
    const Units millimetresHeavy{"mm, N*mm^2, loads x1e4", 1e3, 1e12, 1e4};
    const Units reverse{"lengths /1e3, EI /1e12, loads /1e3", 1e-3, 1e-12, 1e-3};
    const Units reverseLight{"lengths /1e3, EI /1e12, loads /1e4", 1e-3, 1e-12, 1e-4};
    const Units stiff{"EI x1e10", 1.0, 1e10, 1.0};
    const Row rows[] = {
        {"EI spread 10^4", 4.0, metres, 1e-6, false},
        {"EI spread 10^6", 6.0, metres, 1e-4, false},
        {"EI spread 10^6 (to 1e-6)", 6.0, metres, 1e-6, true, true},
        {"EI spread 10^10", 10.0, metres, 1e-4, true},
        {"units", 0.0, millimetres, 1e-6, false},
        {"units", 0.0, millimetresHeavy, 1e-6, false},
        {"units", 0.0, reverse, 1e-6, false},
        {"units", 0.0, reverseLight, 1e-6, false},
        {"units", 0.0, stiff, 1e-6, false},
        {"units, EI spread 10^4", 4.0, millimetresHeavy, 1e-6, false},
    };
    std::uint32_t seed = 20261209u;
    for (const Row &row : rows) {
        ++seed;
        if (row.optInOnly && optIn == 0)
            continue;
        SCOPED_TRACE(std::string(row.name) + ", " + row.units.name);
        Tally tally, inMetres;
        int failures = 0, unitRefusals = 0;
        auto run = [&](const Frame &frame, int index) {
            const FrameSolution reference = SolveFrame(frame);
            const int refusedBefore = tally.refused;
            std::string trouble = CrossCheck(frame, reference, tally, row.units, row.relative);
            if (row.units.length != 1.0 || row.units.rigidity != 1.0 || row.units.force != 1.0) {
                // The same frame in the generator's units: a refusal that
                // only the other units bring is a fault.
                const int checkedBefore = inMetres.checked;
                CrossCheck(frame, reference, inMetres, metres, row.relative);
                if (tally.refused > refusedBefore && inMetres.checked > checkedBefore) {
                    ++unitRefusals;
                    trouble += "refused in " + std::string(row.units.name) + " only\n" + Describe(frame);
                }
            }
            // A reference that cannot balance its own solution proves nothing.
            if (!trouble.empty() && trouble.rfind("the reference is out of balance", 0) != 0 &&
                !row.figuresOnly && ++failures <= 5)
                ADD_FAILURE() << "frame " << index << ": " << trouble;
        };
        FrameGenerator generator(seed, row.spread);
        for (int index = 0; index < randomFrames; ++index)
            run(generator.Next(), index);
        GridGenerator grids(seed, row.spread);
        for (int index = 0; index < gridFrames; ++index)
            run(grids.Next(), randomFrames + index);

        std::printf("[ cross-check ] %s, %s, within %g: %s; %d refused only for the units\n", row.name,
                    row.units.name, row.relative, Summary(tally).c_str(), unitRefusals);
        if (!row.figuresOnly) {
            EXPECT_EQ(tally.wrong, 0);
        }
        EXPECT_EQ(tally.mechanismsCalculated, 0);
        EXPECT_EQ(tally.otherOutcome, 0);
        EXPECT_EQ(unitRefusals, 0);
        EXPECT_GE(tally.checked, tally.stable / 3);
    }
}
