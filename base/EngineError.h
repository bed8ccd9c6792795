#pragma once

#include "base/Error.h"

namespace base {

// A failure of the table engine (a refused value, a key violation, a table
// that is busy or corrupt), with the text the user is shown. Files that are no
// table fail with FileError.
class EngineError : public Error {
public:
    using Error::Error;
};

} // namespace base
