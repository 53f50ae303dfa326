#pragma once

#include "model/StructureModel.h"

// Building test structures element by element. MakeNode and MakeRod give
// one element; AddNode and AddRod append one and return its position;
// StructureBuilder numbers the elements 1, 2, ... in the order they come.

inline Node MakeNode(int number, double x, double y, bool isFree = true)
{
    Node node(number);
    node.x = x;
    node.y = y;
    node.isFree = isFree ? 1 : 0;
    return node;
}

// A rod between two node positions; both ends get `joint`, angle 0.
inline Rod MakeRod(int number, int begin, int end, JointType joint = JointType::Fixed)
{
    Rod rod(number, begin, end);
    rod.begin = RodEnd(begin, joint, 0.0);
    rod.end = RodEnd(end, joint, 0.0);
    return rod;
}

inline int AddNode(StructureModel &structure, int number, double x, double y, bool isFree)
{
    structure.nodes.Add(MakeNode(number, x, y, isFree));
    return structure.nodes.count - 1;
}

// EI defaults to 1.
inline int AddRod(StructureModel &structure, int number, int begin, int end, JointType beginJoint,
                  JointType endJoint, double EI = 1.0)
{
    Rod rod = MakeRod(number, begin, end, beginJoint);
    rod.end.joint = endJoint;
    rod.EI = EI;
    structure.rods.Add(rod);
    return structure.rods.count - 1;
}

struct StructureBuilder {
    StructureModel model;

    int node(double x, double y, bool isFree) { return AddNode(model, model.nodes.count + 1, x, y, isFree); }
    int rod(int begin, int end, JointType atBegin = JointType::Fixed, JointType atEnd = JointType::Fixed)
    {
        return AddRod(model, model.rods.count + 1, begin, end, atBegin, atEnd);
    }
    Node &nodeAt(int position) { return model.nodes[position]; }
    Rod &rodAt(int position) { return model.rods[position]; }
};
