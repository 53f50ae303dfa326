#pragma once

#include "model/StructureModel.h"

// What the mixed method of axially rigid rods cannot do, and the way out.

// Reports a refusal of the rigid method for its own limits (50207, 50216,
// 50222): the message as it stands and, when the structure is stable with
// compliant rods, one more line pointing to axial compliance.
void ReportRigidMethodLimit(StructureModel &structure, int id);

// Bytes of the dense arrays the rigid method would hold at once for the
// prepared structure, estimated from the counts of nodes and rods.
double RigidMethodMemoryEstimate(const StructureModel &structure);

// Available physical memory in bytes (MemAvailable of /proc/meminfo); a
// negative value when it cannot be read.
double AvailableMemory();

// False, after a report, when the rigid method's arrays for the prepared
// structure would not fit into the available memory.
bool CheckRigidMethodMemory(StructureModel &structure);
