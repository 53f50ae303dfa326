#pragma once

#include "engine/StiffnessElement.h"
#include "model/StructureModel.h"

#include <memory>
#include <string>
#include <vector>

// One calculation of a prepared structure by the direct stiffness method
// with axially compliant rods (setting "AxialCompliance"). It shares the
// preparation, the restoration and the result fields with the mixed method:
// the results land exactly where the mixed method puts them.
//
// Unknowns per free node: the translations not fixed by its service links
// (the bars that the preparation put in place of pins and rollers stay
// axially rigid and act as exact constraints), and a rotation where a rigid
// rod end meets the node. Support nodes move by their prescribed
// displacements. Every user rod is an element with EI and EF.
class StiffnessCalculation {
public:
    explicit StiffnessCalculation(StructureModel &structure);
    ~StiffnessCalculation();
    StiffnessCalculation(const StiffnessCalculation &) = delete;
    StiffnessCalculation &operator=(const StiffnessCalculation &) = delete;

    // Deletes the log, calculates and writes the results into the structure.
    // False after an error has been reported and logged; then no result
    // field has been written.
    bool Run();

    // Whether the structure can carry loads with compliant rods: assembles
    // and factorises without logging, reporting or writing anything. False
    // also when the input cannot be calculated at all.
    bool IsStable();

    double totalTime = 0.0; // seconds, set by a successful run

private:
    struct Link {
        int rod;
        double tx, ty; // unit vector from the free node to its support
        double ax, ay; // prescribed translation of the support
    };
    // How the translation of a node follows from the unknowns:
    // u = u0 + basis * q, with `translations` columns of the basis.
    struct NodeDofs {
        double u0x = 0.0, u0y = 0.0, rotation0 = 0.0;
        double basis[2][2] = {};
        int translations = 0;
        int first = -1;    // index of the first translation unknown
        int rotation = -1; // index of the rotation unknown
        bool support = false;
        std::vector<Link> links;
    };

    bool checkInput(bool report);
    bool setUpUnknowns(bool report);
    // With `surrogate` the rods' axial stiffness is set to the size of
    // their bending stiffness (12 EI / L^2), for telling mechanisms.
    void buildElements(bool surrogate);
    // Global end displacement d of element rod: const + sum coefficient * q.
    int elementMap(int rod, double constant[6], int index[6], double coefficient[6][6]) const;
    struct Solver;
    void assemble(Solver &solver, std::vector<double> &rhs, bool withLoads);
    // Equilibrates and factorises; false with `zeroAt` the unknown of the
    // first pivot at or below `threshold`.
    bool factor(Solver &solver, double threshold, int &zeroAt);
    // True with the unknown that moves when the structure is a mechanism.
    bool findMechanism(int &unknown);
    bool factorise(bool report);
    void solve(const std::vector<double> &rhs);
    void nodeDisplacements(std::vector<long double> &ux, std::vector<long double> &uy,
                           std::vector<long double> &turn) const;
    void rodEndForces(int rod, const std::vector<long double> &ux, const std::vector<long double> &uy,
                      const std::vector<long double> &turn, long double ends[6]) const;
    void toGlobal(int rod, const long double ends[6], long double global[6]) const;
    // Loads minus the forces of the rods at every unknown.
    void residual(std::vector<long double> &r) const;
    // False, writing nothing, when a rod is out of balance with its loads.
    bool transferResults();
    std::string unknownName(int unknown) const;
    int nodeLabel(int node) const;
    int rodLabel(int rod) const;
    void logUnknowns() const;

    StructureModel &structure;
    std::vector<NodeDofs> nodes;
    std::vector<char> isLink; // rod is a rigid service link
    std::vector<StiffnessElement> elements;
    int unknowns = 0;
    std::vector<int> unknownNode;  // node of each unknown
    std::vector<char> unknownKind; // 0 along basis column 0, 1 along column 1, 2 rotation

    std::unique_ptr<Solver> solver;
    std::vector<long double> q;  // the solution, kept in extended precision
    double loadScale = 0.0;      // largest load at an unknown
    double stiffnessRatio = 0.0; // largest EF L^2 / EI of the rods
    double smallestPivot = 0.0;
    int smallestPivotUnknown = -1;
};

// Positions of the rods whose EF is still the bare default 1.0 while their
// EI is not: with compliant rods they stretch like rubber.
std::vector<int> RodsWithBareAxialRigidity(const StructureModel &structure);
// One sentence naming those rods by number (positions in debug mode), empty
// when there are none.
std::string BareAxialRigidityNote(const StructureModel &structure, bool debugMode);
