#pragma once

#include "model/List.h"
#include "model/StructureModel.h"
#include "numeric/Matrix.h"
#include "numeric/Vector.h"

#include <vector>

// One calculation of a prepared structure by the mixed method on a main
// system with axially rigid rods. The unknowns are the rotations of the free
// rigid nodes (NG) followed by the independent translations of the free nodes
// (NZ). The object owns every array of the method for the duration of
// RunCalculation; the array names are those written to the calculation log.
//
// Preconditions (established by the structure preparation): free nodes come
// before support nodes, free rods before support rods, and every rod runs
// from its lower node position to its higher one.
//
// Sign conventions: end moments act on the rod ends, both measured in the
// same rotational sense, so the moment diagram runs from M(begin) to
// -M(end); axial forces are positive in tension; translations follow the
// global axes; rotations are in radians.
class Calculation {
public:
    explicit Calculation(StructureModel &structure);
    Calculation(const Calculation &) = delete;
    Calculation &operator=(const Calculation &) = delete;

    // Deletes the log, runs every step and writes the results into the
    // structure. False after an error has been reported and logged; then no
    // result field has been written.
    bool RunCalculation();

    // The steps, in the order RunCalculation calls them.
    bool InitializeArrays();
    // Refuses (message 50223) a moment on a free node without a rotation
    // unknown: every rod end there is hinged, so the moment would act on
    // nothing and the results would miss it.
    bool CheckNodeMoments();
    bool SolveMainEquation();
    bool SolveSingleStates();
    bool SolveStatic();
    bool SolveKinematic();
    bool SolveTemperature();
    void TransferRodResults();
    void TransferNodeDisplacements();
    void ComputeReactions();

    // Column-pivoted elimination of A (a copy of A1, not changed here) that
    // finds P: the columns P[0 .. rows-1] form an invertible block. Reports
    // 50207 (or 50206) and returns false when there is none.
    bool FindTransposition(const Matrix &A, IntVector &P);

    // Corrects the unknowns Z of r * Z + R = 0 by iterative refinement with
    // the unit reactions r and their inverse r1; logs the residuals.
    void RefineUnknowns(Matrix &Z, const Matrix &R, const char *equation);

    // Reports a failure of the array operations or the math library (message
    // 50215): what failed, and the step of the calculation it stopped.
    static void ReportMathException(const char *what, const char *step);

    // Raises MathException ("Overflow range error") when a case result is
    // not a usable finite number.
    void CheckResultsFinite() const;

    StructureModel &structure;

    // Counts.
    int NK = 0;  // free nodes
    int NK0 = 0; // support nodes
    int NC = 0;  // free rods
    int NC0 = 0; // support rods
    int NG = 0;  // unknown rotations
    int NZ = 0;  // unknown linear displacements, 2*NK - NC - NC0
    int NN() const { return NG + NZ; }

    // Topology.
    IndexList K, K0, C, C0, B, D, DZ, G;
    IntVector INC;
    Vector COOR, L, lc, mc, I, J;
    Matrix AV, A1, A0, BV, B1, B0;
    // Loads.
    Vector PM, PP, Q;
    Matrix Uk, KSIk, AL, H, T;

    // Main equation.
    IntVector P;
    Matrix A11_1, A11_12, U, W;

    // Single states; r keeps the unit reactions for the refinement.
    Matrix b, F, r1, r;

    // Static case.
    Matrix bp;
    Vector qcn, qct;
    Matrix Zp, Up, SMp, SQp, SNp;

    // Kinematic case.
    Matrix Zd, Ud, SMd, SQd, SNd;

    // Temperature case.
    Matrix Zt, Utep, SMt, SQt, SNt;

    double totalTime = 0.0; // seconds, set by a successful run

    // Sizes of the results against which round-off is judged (set by
    // TransferRodResults).
    double momentScale = 0.0;
    double forceScale = 0.0;
    double translationScale = 0.0;

private:
    void MeasureResultScales();

    // How free rod i is connected at its ends (from B and D).
    bool beginsWithJoint(int i) const { return rodBeginsWithJoint[i] != 0; }
    bool endsWithJoint(int i) const { return rodEndsWithJoint[i] != 0; }
    bool checkPrepared() const;

    std::vector<char> rodBeginsWithJoint;
    std::vector<char> rodEndsWithJoint;
};
