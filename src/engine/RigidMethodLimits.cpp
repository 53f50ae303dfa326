#include "engine/RigidMethodLimits.h"

#include "engine/StiffnessCalculation.h"
#include "numeric/CalcLog.h"
#include "numeric/Messages.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int outOfMemoryMessage = 50228;
constexpr int complianceHintMessage = 50229;

bool stableWithCompliantRods(StructureModel &structure)
{
    StiffnessCalculation calculation(structure);
    return calculation.IsStable();
}

void reportWithHint(StructureModel &structure, const std::string &text)
{
    if (stableWithCompliantRods(structure))
        ReportError("%s\n%s", text.c_str(), LoadString(complianceHintMessage));
    else
        ReportError("%s", text.c_str());
}

} // namespace

void ReportRigidMethodLimit(StructureModel &structure, int id)
{
    reportWithHint(structure, LoadString(id));
}

double RigidMethodMemoryEstimate(const StructureModel &structure)
{
    double NK = 0, NK0 = 0, NC = 0, NC0 = 0, NG = 0;
    std::vector<char> rigidNode(structure.nodes.count, 0);
    for (const Rod &rod : structure.rods) {
        const bool atSupport =
            structure.nodes[rod.begin.node].isFree == 0 || structure.nodes[rod.end.node].isFree == 0;
        if (rod.begin.joint == JointType::Hinge && rod.end.joint == JointType::Hinge && atSupport)
            ++NC0;
        else
            ++NC;
        if (rod.begin.joint == JointType::Fixed)
            rigidNode[rod.begin.node] = 1;
        if (rod.end.joint == JointType::Fixed)
            rigidNode[rod.end.node] = 1;
    }
    for (int k = 0; k < structure.nodes.count; ++k) {
        if (structure.nodes[k].isFree != 0) {
            ++NK;
            NG += rigidNode[k];
        } else {
            ++NK0;
        }
    }
    const double n = NC + NC0;
    const double NZ = std::max(0.0, 2 * NK - n);
    const double NN = NG + NZ;
    // Kept for the whole calculation: AV, A1, A0, BV, B1, B0, A11_1, A11_12,
    // U and W.
    const double kept =
        n * 2 * (NK + NK0) * 2 + NC * 2 * (NK + NK0) * 2 + n * n + n * NZ + 2 * NK * NZ + NC * NZ;
    // The larger of the temporaries of the main equation (the copy of A1,
    // A1P, A11, A12) and of the single states (b, F, r and its inverse).
    const double mainEquation = 2 * n * 2 * NK + n * n + n * NZ;
    const double singleStates = 2 * NC * NN + 4 * NC * NC + 2 * NN * NN;
    return 8.0 * (kept + std::max(mainEquation, singleStates));
}

double AvailableMemory()
{
    std::ifstream file("/proc/meminfo");
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("MemAvailable:", 0) == 0) {
            std::istringstream fields(line.substr(13));
            double kilobytes = -1.0;
            if (fields >> kilobytes)
                return kilobytes * 1024.0;
        }
    }
    return -1.0;
}

bool CheckRigidMethodMemory(StructureModel &structure)
{
    const double needed = RigidMethodMemoryEstimate(structure);
    const double available = AvailableMemory();
    if (available < 0.0 || needed <= available)
        return true;
    char text[1024];
    std::snprintf(text, sizeof text, LoadString(outOfMemoryMessage), needed / 1048576.0,
                  available / 1048576.0);
    reportWithHint(structure, text);
    return false;
}
