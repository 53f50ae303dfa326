#include "engine/Calculation.h"
#include "engine/CalculationKernels.h"
#include "numeric/CalcLog.h"

#include <vector>

using namespace CalculationKernels;

bool Calculation::SolveStatic()
{
    const int NN = this->NN();
    const int n = NC + NC0;
    LogPrintf("CALCULATING STATIC INFLUENCE RESULTS\n\n");

    // Fixed-end moments of the distributed load, split into its components
    // along the rod axis t = (lc, mc) and the normal n = (-mc, lc).
    bp.Create("bp", 2 * NC, 1);
    qcn.Create("qcn", NC);
    qct.Create("qct", NC);
    for (int i = 0; i < NC; ++i) {
        const double qx = Q[2 * i];
        const double qy = Q[2 * i + 1];
        qct[i] = qy * mc[i] + qx * lc[i];
        qcn[i] = qy * lc[i] - qx * mc[i];
        const double p = qcn[i] * L[i] * L[i];
        const bool jointAtBegin = beginsWithJoint(i);
        const bool jointAtEnd = endsWithJoint(i);
        if (!jointAtBegin && !jointAtEnd) {
            bp[2 * i][0] = p / 12;
            bp[2 * i + 1][0] = -p / 12;
        } else if (!jointAtBegin && jointAtEnd) {
            bp[2 * i][0] = p / 8;
        } else if (jointAtBegin && !jointAtEnd) {
            bp[2 * i + 1][0] = -p / 8;
        }
    }
    LogVector(qcn);
    LogVector(qct);
    LogMatrix(bp);

    // Reactions of the moment constraints: the fixed-end moments of the rods
    // at each rigid node, less the node moment.
    Matrix RP("RP - Reactions", NN, 1);
    {
        std::vector<double> nodeSum(NK + NK0, 0.0);
        for (int i = 0; i < NC; ++i) {
            nodeSum[INC[2 * i]] += bp[2 * i][0];
            nodeSum[INC[2 * i + 1]] += bp[2 * i + 1][0];
        }
        for (int j = 0; j < NG; ++j)
            RP[j][0] = nodeSum[G[j]] - PM[G[j]];
    }

    // End forces of the main system: the whole tangential load goes to the
    // begin node, the normal load is shared as by a propped or fixed beam.
    Vector pt0("pt0", NC), pt1("pt1", NC), pn0("pn0", NC), pn1("pn1", NC);
    for (int i = 0; i < NC; ++i) {
        const double s = qcn[i] * L[i];
        pt0[i] = qct[i] * L[i];
        pt1[i] = 0.0;
        const bool jointAtBegin = beginsWithJoint(i);
        const bool jointAtEnd = endsWithJoint(i);
        if (jointAtBegin == jointAtEnd)
            pn0[i] = 0.5 * s;
        else if (jointAtEnd)
            pn0[i] = 0.625 * s;
        else
            pn0[i] = 0.375 * s;
        pn1[i] = s - pn0[i];
    }
    LogVector(pn0);
    LogVector(pt0);
    LogVector(pn1);
    LogVector(pt1);

    // Loads on the free nodes: node forces plus the rods' end forces, read
    // from A1 ((lc, mc) at the begin node, (-lc, -mc) at the end node).
    Vector PQS("PQS", 2 * NK);
    for (int k = 0; k < 2 * NK; ++k)
        PQS[k] = PP[k];
    for (int i = 0; i < NC; ++i) {
        const int bn = INC[2 * i];
        const int en = INC[2 * i + 1];
        if (bn < NK) {
            const double tx = A1[i][2 * bn];
            const double ty = A1[i][2 * bn + 1];
            PQS[2 * bn] += pt0[i] * tx + pn0[i] * -ty;
            PQS[2 * bn + 1] += pt0[i] * ty + pn0[i] * tx;
        }
        if (en < NK) {
            PQS[2 * en] += A1[i][2 * en + 1] * pn1[i];
            PQS[2 * en + 1] += -A1[i][2 * en] * pn1[i];
        }
    }
    LogVector(PQS);

    Vector PQSP("PQSP", 2 * NK);
    for (int m = 0; m < 2 * NK; ++m)
        PQSP[m] = PQS[P[m]];
    LogVector(PQSP);

    // Reactions of the linear constraints: minus the work of the node loads
    // along every unit mode of U.
    Matrix PQSP1("PQSP1", n, 1);
    Matrix PQSP2("PQSP2", NZ, 1);
    for (int m = 0; m < n; ++m)
        PQSP1[m][0] = PQSP[m];
    for (int m = 0; m < NZ; ++m)
        PQSP2[m][0] = PQSP[n + m];
    Matrix RPP("RPP", NZ, 1);
    RPP = TransposedProduct(A11_12, PQSP1, -1.0) - PQSP2;
    for (int m = 0; m < NZ; ++m)
        RP[NG + m][0] = RPP[m][0];
    LogMatrix(RP);

    // r * Zp + RP = 0.
    Zp.Create("Zp", NN, 1);
    Zp = Product(r1, RP, -1.0);
    RefineUnknowns(Zp, RP, "r * Zp + RP = 0");
    LogMatrix(Zp);

    // Rotations first, then the linear unknowns.
    Matrix ZpKSI("ZpKSI", NG, 1);
    if (NG > 0)
        CopyRows(Zp, 0, ZpKSI);
    Matrix ZpU("ZpU", NZ, 1);
    CopyRows(Zp, NG, ZpU);

    Up.Create("Up", 2 * NK, 1);
    Up = Product(U, ZpU);
    LogMatrix(Up);

    SMp.Create("SMp", 2 * NC, 1);
    SMp = bp + Product(b, Zp);
    LogMatrix(SMp);

    SQp.Create("SQp", 2 * NC, 1);
    for (int i = 0; i < NC; ++i) {
        SQp[2 * i][0] = -(SMp[2 * i][0] + SMp[2 * i + 1][0]) / L[i] - 0.5 * qcn[i] * L[i];
        SQp[2 * i + 1][0] = SQp[2 * i][0] + qcn[i] * L[i];
    }
    LogMatrix(SQp);

    // Equilibrium of the free nodes under the node forces, the tangential
    // loads and the shear forces; the axial forces balance it.
    Matrix PQ("PQ", 2 * NK, 1);
    for (int k = 0; k < 2 * NK; ++k)
        PQ[k][0] = PP[k];
    for (int i = 0; i < NC; ++i) {
        const int bn = INC[2 * i];
        const int en = INC[2 * i + 1];
        if (bn < NK) {
            PQ[2 * bn][0] += lc[i] * pt0[i] + B1[i][2 * bn] * SQp[2 * i][0];
            PQ[2 * bn + 1][0] += mc[i] * pt0[i] + B1[i][2 * bn + 1] * SQp[2 * i][0];
        }
        if (en < NK) {
            PQ[2 * en][0] += B1[i][2 * en] * SQp[2 * i + 1][0];
            PQ[2 * en + 1][0] += B1[i][2 * en + 1] * SQp[2 * i + 1][0];
        }
    }
    PQ.TransposeRows(P);
    LogMatrix(PQ);

    Matrix PQ1("PQ1", n, 1);
    CopyRows(PQ, 0, PQ1);
    LogMatrix(PQ1);

    // A11^T * SN1 + PQ1 = 0.
    Matrix SN1("SN1", n, 1);
    SN1 = TransposedProduct(A11_1, PQ1, -1.0);
    LogMatrix(SN1);

    SNp.Create("SNp", 2 * n, 1);
    for (int r = 0; r < n; ++r) {
        SNp[2 * r][0] = SN1[r][0];
        SNp[2 * r + 1][0] = SN1[r][0];
        if (r < NC)
            SNp[2 * r][0] += pt0[r];
    }
    LogMatrix(SNp);
    return true;
}
