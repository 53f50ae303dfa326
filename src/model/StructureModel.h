#pragma once

#include "model/List.h"
#include "model/Node.h"
#include "model/Rod.h"
#include "model/Types.h"

using NodeList = List<Node>;
using RodList = List<Rod>;

// Which end values maxEndValue compares.
enum class EndValueKind { Shear, Axial };

// The structure: one NodeList "NodeList" and one RodList "RodList". Rods
// refer to nodes by 0-based position; numbers are display labels only.
class StructureModel {
public:
    StructureModel();
    StructureModel(const StructureModel& other);
    StructureModel& operator=(const StructureModel& other);
    virtual ~StructureModel() = default;

    void clear();
    int elementCount() const { return nodes.count + rods.count; }
    void deselectAll();
    void selectedNodes(IndexList& list) const;
    void selectedRods(IndexList& list) const;
    bool severalNodesSelected() const;
    bool severalRodsSelected() const;

    // Editing operations. Coordinates are compared exactly; they arrive
    // already snapped by the view.
    int nextNodeNumber() const;
    int nextRodNumber() const;
    bool addNode(double x, double y, bool isFree);
    bool moveNode(int node, double x, double y);
    bool addRod(int a, int b);
    bool splitRod(int rod, double x, double y, bool isFree);
    bool removeRod(int rod);
    bool removeNode(int node);
    bool isSupportRod(int rod) const;
    void shareSupportJoints(int rod);
    void setSupportAngle(int rod, bool atBegin, double angle);
    bool nodeIsSupport(int node) const;

    // Queries (positions are checked by the lists' subscripts).
    double rodLength(int rod) const;
    double rodCos(int rod) const;
    double rodSin(int rod) const;
    double momentAt(int rod, double x) const;
    void rodsAtNode(int node, IndexList& list) const;
    bool isIsolated(int node) const;
    bool isSupportNode(int node) const;
    JointType jointAtNode(int node) const;
    double maxMoment() const;
    double maxEndValue(EndValueKind kind) const;
    double maxDisplacement() const;
    WorldRect extents() const;

    NodeList nodes;
    RodList rods;
};
