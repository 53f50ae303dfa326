#include "engine/ResultNoise.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The result fields of one kind, cleaned against their common largest value.
class Kind {
public:
    void add(double &value) { values.push_back(&value); }
    void clean() const
    {
        double largest = 0.0;
        for (const double *value : values)
            largest = std::max(largest, std::fabs(*value));
        const double threshold = ResultNoiseFraction * largest;
        for (double *value : values) {
            if (std::fabs(*value) < threshold || *value == 0.0)
                *value = 0.0;
        }
    }

private:
    std::vector<double *> values;
};

} // namespace

void CleanResultNoise(StructureModel &structure)
{
    Kind moments, forces, translations, rotations, reactionForces, reactionMoments;
    for (Rod &rod : structure.rods) {
        moments.add(rod.resultM.x);
        moments.add(rod.resultM.y);
        for (Pair *force : {&rod.resultQ, &rod.resultN}) {
            forces.add(force->x);
            forces.add(force->y);
        }
    }
    for (Node &node : structure.nodes) {
        translations.add(node.resultDisplacement.x);
        translations.add(node.resultDisplacement.y);
        rotations.add(node.resultDisplacement.z);
        reactionForces.add(node.reaction.x);
        reactionForces.add(node.reaction.y);
        reactionMoments.add(node.reaction.z);
    }
    for (const Kind *kind : {&moments, &forces, &translations, &rotations, &reactionForces, &reactionMoments})
        kind->clean();
}
