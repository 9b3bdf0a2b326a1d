// Fuzz target: chart template files.

#include "FuzzSupport.h"
#include "tables/ChartTemplate_IO.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const FuzzSupport::ScratchFolder scratch;
    const std::string file = scratch.Write("input.oc2", data, size);
    ChartTemplate_IO io;
    clsChartTemplate look;
    io.LoadTemplate(file, look);
    return 0;
}
