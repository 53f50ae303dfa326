#include "engine/Calculation.h"
#include "engine/CalculationKernels.h"
#include "numeric/CalcLog.h"

using namespace CalculationKernels;

bool Calculation::SolveTemperature()
{
    const int NN = this->NN();
    const int n = NC + NC0;
    LogPrintf("CALCULATING TEMPERATURE INFLUENCE RESULTS\n\n");
    LogMatrix(T);
    LogMatrix(H);
    LogMatrix(AL);

    // The difference of the fibre temperatures bends a rod (the gradient
    // moment g = EI * alpha * (Tleft - Tright) / height); their mean
    // lengthens it. Support rods take no temperature.
    Matrix bt_gr("bt_gr", 2 * NC, 1);
    Matrix Eps_k("Eps_k", NC + NC0, 1);
    for (int i = 0; i < NC; ++i) {
        const double g = (T[2 * i][0] - T[2 * i + 1][0]) * AL[i][0] * I[i] / H[i][0];
        const bool jointAtBegin = beginsWithJoint(i);
        const bool jointAtEnd = endsWithJoint(i);
        if (!jointAtBegin && !jointAtEnd) {
            bt_gr[2 * i][0] = g;
            bt_gr[2 * i + 1][0] = -g;
        } else if (!jointAtBegin && jointAtEnd) {
            bt_gr[2 * i][0] = 1.5 * g;
        } else if (jointAtBegin && !jointAtEnd) {
            bt_gr[2 * i + 1][0] = -1.5 * g;
        }
        Eps_k[i][0] = (T[2 * i + 1][0] + T[2 * i][0]) * AL[i][0] * L[i] * 0.5;
    }
    LogMatrix(bt_gr);
    LogMatrix(Eps_k);

    // Translations of the free nodes that let every rod take its thermal
    // lengthening (A1 * UT = -Eps_k: A1 measures shortening).
    Matrix UT1("UT1", NC + NC0, 1);
    UT1 = Product(A11_1, Eps_k, -1.0);
    Matrix UT("UT", NC + NZ + NC0, 1);
    for (int m = 0; m < n; ++m)
        UT[m][0] = UT1[m][0];
    LogMatrix(UT);
    UT.ScatterRows(P);
    LogMatrix(UT);

    Matrix WT("WT", NC, 1);
    WT = Product(B1, UT);
    LogMatrix(WT);

    Matrix bt_sr("bt_sr", 2 * NC, 1);
    for (int i = 0; i < NC; ++i) {
        const double v = WT[i][0] * J[i] / L[i];
        const bool jointAtBegin = beginsWithJoint(i);
        const bool jointAtEnd = endsWithJoint(i);
        if (!jointAtBegin && !jointAtEnd) {
            bt_sr[2 * i][0] = 6.0 * v;
            bt_sr[2 * i + 1][0] = 6.0 * v;
        } else if (!jointAtBegin && jointAtEnd) {
            bt_sr[2 * i][0] = 3.0 * v;
        } else if (jointAtBegin && !jointAtEnd) {
            bt_sr[2 * i + 1][0] = 3.0 * v;
        }
    }
    LogMatrix(bt_sr);

    Matrix bt("bt", 2 * NC, 1);
    bt = bt_sr + bt_gr;
    LogMatrix(bt);

    // r * Zt + Rt = 0.
    Matrix Rt("Rt", NN, 1);
    Rt = FlexibilityProduct(b, F, bt);
    LogMatrix(Rt);
    Zt.Create("Zt", NN, 1);
    Zt = Product(r1, Rt, -1.0);
    RefineUnknowns(Zt, Rt, "r * Zt + Rt = 0");
    LogMatrix(Zt);

    Matrix ZtKSI("ZtKSI", NG, 1);
    if (NG > 0)
        CopyRows(Zt, 0, ZtKSI);
    Matrix ZtU("ZtU", NZ, 1);
    CopyRows(Zt, NG, ZtU);

    Utep.Create("Utep", 2 * NK, 1);
    Utep = Product(U, ZtU) + UT;
    LogMatrix(Utep);

    SMt.Create("SMt", 2 * NC, 1);
    SMt = bt + Product(b, Zt);
    LogMatrix(SMt);

    SQt.Create("SQt", NC, 1);
    for (int i = 0; i < NC; ++i)
        SQt[i][0] = -(SMt[2 * i + 1][0] + SMt[2 * i][0]) / L[i];
    LogMatrix(SQt);

    Matrix PQt("PQt", 2 * NK, 1);
    PQt = TransposedProduct(B1, SQt);
    LogMatrix(PQt);
    PQt.TransposeRows(P);
    LogMatrix(PQt);
    Matrix PQt1("PQt1", n, 1);
    CopyRows(PQt, 0, PQt1);

    SNt.Create("SNt", n, 1);
    SNt = TransposedProduct(A11_1, PQt1, -1.0);
    LogMatrix(SNt);
    return true;
}
