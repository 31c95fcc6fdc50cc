// IODD device files: any bytes must decode or be refused with a reason, never crash; the
// naming operations must hold on whatever model was read.
#include "iodd/TIODD.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kestrion::TIODD d;
    if (!d.Decode_IODD_Bytes({reinterpret_cast<const char*>(data), size}, false)) return 0;
    for (const auto& v : d.ProfileBody.DeviceFunction.VariableCollection.Var_List)
        (void)(v.Get_DataType(d, false) + v.Get_Length(d, false) + v.Get_SubIndAccSup(d, false));
    for (const auto& pd : d.ProfileBody.DeviceFunction.ProcessDataCollection.ProcessData_List)
        if (pd.ProcessDataIn)
            (void)(pd.ProcessDataIn->Get_DataTypeStr(d) +
                   pd.ProcessDataIn->Get_Gradient(d, false, true, "1"));
    return 0;
}
