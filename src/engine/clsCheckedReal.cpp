#include "engine/clsCheckedReal.h"

// Out of line, so that the checks inlined into every formula stay small.
void clsCheckedReal::Raise(const Failure& failure)
{
    throw failure;
}
