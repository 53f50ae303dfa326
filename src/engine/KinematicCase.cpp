#include "engine/Calculation.h"
#include "engine/CalculationKernels.h"
#include "numeric/CalcLog.h"

#include <vector>

using namespace CalculationKernels;

bool Calculation::SolveKinematic()
{
    const int NN = this->NN();
    const int n = NC + NC0;
    LogPrintf("CALCULATING KINEMATIC INFLUENCE RESULTS\n\n");

    // End moments of the main system for the rotation of a support node: the
    // single states of a rod whose end node (always the support node: rods
    // run towards the supports) turns by the prescribed angle.
    std::vector<int> supportIndex(NK + NK0, -1);
    for (int j = NK0 - 1; j >= 0; --j)
        supportIndex[K0[j]] = j;
    Matrix bd("bd", 2 * NC, 1);
    for (int i = 0; i < NC; ++i) {
        const int j = supportIndex[INC[2 * i + 1]];
        if (j < 0)
            continue;
        const double theta = KSIk[j][0];
        const bool jointAtBegin = beginsWithJoint(i);
        const bool jointAtEnd = endsWithJoint(i);
        if (!jointAtBegin && !jointAtEnd) {
            bd[2 * i][0] = 2.0 * J[i] * theta;
            bd[2 * i + 1][0] = 4.0 * J[i] * theta;
        } else if (jointAtBegin) {
            bd[2 * i][0] = 0.0;
            bd[2 * i + 1][0] = 3.0 * J[i] * theta;
        }
    }
    LogMatrix(bd);

    // Translations of the free nodes that keep every rod length while the
    // supports move (A1 * UD + A0 * Uk = 0, linear unknowns held at zero).
    Matrix UD("UD", NC0 + NZ + NC, 1);
    Matrix UD1("UD1", NC0 + NC, 1);
    UD1 = Product(Product(A11_1, A0, -1.0), Uk);
    LogMatrix(UD1);
    for (int m = 0; m < n; ++m)
        UD[m][0] = UD1[m][0];
    UD.ScatterRows(P);
    LogMatrix(UD);

    // Transverse displacements of the free rods and their chord moments.
    Matrix Wk("Wk", NC, 1);
    Wk = Product(B1, UD) + Product(B0, Uk);
    LogMatrix(Wk);
    for (int i = 0; i < NC; ++i) {
        const double v = J[i] * Wk[i][0] / L[i];
        const bool jointAtBegin = beginsWithJoint(i);
        const bool jointAtEnd = endsWithJoint(i);
        if (!jointAtBegin && !jointAtEnd) {
            bd[2 * i][0] += 6.0 * v;
            bd[2 * i + 1][0] += 6.0 * v;
        } else if (!jointAtBegin && jointAtEnd) {
            bd[2 * i][0] += 3.0 * v;
        } else if (jointAtBegin && !jointAtEnd) {
            bd[2 * i + 1][0] += 3.0 * v;
        }
    }
    LogMatrix(bd);

    // r * Zd + Rd = 0.
    Matrix Rd("Rd", NN, 1);
    Rd = FlexibilityProduct(b, F, bd);
    LogMatrix(Rd);
    Zd.Create("Zd", NN, 1);
    Zd = Product(r1, Rd, -1.0);
    RefineUnknowns(Zd, Rd, "r * Zd + Rd = 0");
    LogMatrix(Zd);

    Matrix ZdU("ZdU", NZ, 1);
    CopyRows(Zd, NG, ZdU);
    Ud.Create("Uu (Ud)", 2 * NK, 1);
    Ud = Product(U, ZdU) + UD;
    LogMatrix(Ud);

    SMd.Create("SMd", 2 * NC, 1);
    SMd = bd + Product(b, Zd);
    LogMatrix(SMd);

    SQd.Create("SQd", NC, 1);
    for (int i = 0; i < NC; ++i)
        SQd[i][0] = -(SMd[2 * i + 1][0] + SMd[2 * i][0]) / L[i];
    LogMatrix(SQd);

    // Axial forces from the equilibrium of the free nodes under the shear
    // forces alone (this case has no node loads).
    Matrix PQd("PQd", 2 * NK, 1);
    PQd = TransposedProduct(B1, SQd);
    LogMatrix(PQd);
    PQd.TransposeRows(P);
    LogMatrix(PQd);
    Matrix PQd1("PQd1", n, 1);
    CopyRows(PQd, 0, PQd1);

    SNd.Create("SNd", n, 1);
    SNd = TransposedProduct(A11_1, PQd1, -1.0);
    LogMatrix(SNd);
    return true;
}
