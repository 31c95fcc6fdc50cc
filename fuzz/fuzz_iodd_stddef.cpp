// Standard-definitions files: any bytes must read or be refused with a reason, never crash;
// standard variables must name their types whatever was read.
#include "iodd/TIODD.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kestrion::TIODD d;
    if (!d.Read_StandardDef_Bytes({reinterpret_cast<const char*>(data), size})) return 0;
    for (const auto& v : d.SD_VariableCollection.Var_List)
        (void)(v.Get_DataType(d, true) + v.Get_Length(d, true) +
               d.GetDesc_ExtTextCol(true, v.Name));
    for (const auto& e : d.SD_EventCollection.Event_List)
        (void)d.Get_Event_SD(e->Code_);
    return 0;
}
