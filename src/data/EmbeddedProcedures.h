#pragma once

#include "Params.h"

#include <QString>
#include <functional>

namespace data {

class Connection;

// On the embedded engine the database procedures are C++ functions run on the
// caller's connection and inside the caller's transaction. They read their
// inputs from params and write their outputs back into it; a failure throws
// DbError, exactly as a server procedure raises an error.
using EmbeddedProcedure = std::function<void(Connection &, Params &)>;

void registerEmbeddedProcedure(const QString &name, EmbeddedProcedure procedure);
// Null when no procedure of that name (any case) exists.
const EmbeddedProcedure *findEmbeddedProcedure(const QString &name);

// Installs the procedures of both databases; defined with the procedures.
void registerStandardProcedures();

} // namespace data
