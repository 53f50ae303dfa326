#pragma once

#include "document/RuvoDoc.h"

// Test setup writes the document's structure directly, without an undo
// step or a change notification, as a file read or a finished calculation
// would have left it. Everything else reads it through structure().
struct DocumentAccess {
    static StructureModel &structure(RuvoDoc &doc) { return doc.model; }
};

inline StructureModel &EditableStructure(RuvoDoc &doc)
{
    return DocumentAccess::structure(doc);
}
