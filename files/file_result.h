#pragma once
// The result of reading or writing a file: the core's result, its error naming cause and file.
#include "blok/result.h"

namespace tirel {

using FileResult = Result;

}  // namespace tirel
