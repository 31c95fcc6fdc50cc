#include "iodd/TIODD.h"

#include "iodd/IoddXml.h"
#include "texts/StringUtil.h"

#include <climits>

namespace kestrion {

namespace {

int int_or_zero(std::string_view text) {
    const auto value = parse_integer(trim(text));
    return value && *value >= INT_MIN && *value <= INT_MAX ? static_cast<int>(*value) : 0;
}

// The menu entry that scales a process-data part; the last match in menu order wins.
template <class Field>
std::string menu_scaling(const TIODD& aIODD, bool SimpleDataType, bool ProcessDataIn,
                         std::string_view SubIndex, std::string fallback, Field field) {
    const std::string_view id = ProcessDataIn ? "V_ProcessDataInput" : "V_ProcessDataOutput";
    std::string result = std::move(fallback);
    for (const TMenu& menu :
         aIODD.ProfileBody.DeviceFunction.UserInterface.MenuCollection.Menu_List)
        for (const TMenuRef& entry : menu.MenuVariableRef_List) {
            if (SimpleDataType) {
                if (const auto* ref = std::get_if<TMenuVariableRef>(&entry);
                    ref && ref->VariableId == id)
                    result = field(ref->Gradient, ref->Offset, ref->UnitCode);
            } else if (const auto* ref = std::get_if<TMenuRecordItemRef>(&entry);
                       ref && ref->VariableId == id && ref->SubIndex == SubIndex) {
                result = field(ref->Gradient, ref->Offset, ref->UnitCode);
            }
        }
    return result;
}

} // namespace

const TVariable* TVariable::Get_Index_Var_Ref(const TIODD& aIODD) const {
    if (VarType != vtStdVarRef) return nullptr;
    const int at = aIODD.Find_Var_SD(Id);
    return at < 0 ? nullptr : &aIODD.SD_VariableCollection.Var_List[static_cast<std::size_t>(at)];
}

std::string TVariable::Get_DataType(const TIODD& aIODD, bool VarRef) const {
    if (VarType == vtStdVarRef) {
        const TVariable* standard = Get_Index_Var_Ref(aIODD);
        return standard ? standard->Get_DataType(aIODD, true) : std::string();
    }
    return DataType ? DataType->type_name(aIODD, VarRef) : std::string();
}

std::string TVariable::Get_Length(const TIODD& aIODD, bool VarRef) const {
    if (VarType == vtStdVarRef) {
        const TVariable* standard = Get_Index_Var_Ref(aIODD);
        return standard ? standard->Get_Length(aIODD, true) : std::string();
    }
    return DataType ? DataType->length_text(aIODD, VarRef) : std::string();
}

std::string TVariable::Get_SubIndAccSup(const TIODD& aIODD, bool VarRef) const {
    if (VarType == vtStdVarRef) {
        const TVariable* standard = Get_Index_Var_Ref(aIODD);
        return standard ? standard->Get_SubIndAccSup(aIODD, true) : "False";
    }
    const TDataType* t = DataType ? DataType->resolve(aIODD, VarRef) : nullptr;
    const bool stated = t && t->ComplexDataType && t->ComplexDataType->SubIndexAccessSupPresent &&
                        t->ComplexDataType->SubIndexAccessSup;
    return stated ? "True" : "False";
}

const TVariable* TVariableCollection::Get_Variables(std::string_view Index, std::string_view,
                                                    const TIODD& IODD) const {
    const long long wanted = number_or_minus_one(Index);
    for (const TVariable& ref : StdVar_List) {
        const TVariable* standard = ref.Get_Index_Var_Ref(IODD);
        if (standard && standard->Index == wanted) return &ref;
    }
    for (const TVariable& variable : Var_List)
        if (variable.Index == wanted) return &variable;
    return nullptr;
}

const TVariable* TVariableCollection::Get_Variables_IDs(std::string_view VarIDs,
                                                        const TIODD& IODD) const {
    for (const TVariable& ref : StdVar_List)
        if (ref.Id == VarIDs && ref.Get_Index_Var_Ref(IODD)) return &ref;
    for (const TVariable& variable : Var_List)
        if (variable.Id == VarIDs) return &variable;
    return nullptr;
}

std::string TProcessDataInOut::Get_DataTypeStr(const TIODD& aIODD) const {
    return DataType.type_name(aIODD, false);
}

const TDataType* TProcessDataInOut::GetDataType(const TIODD& aIODD) const {
    return DataType.IsDataTypeRef ? DataType.resolve(aIODD, false) : nullptr;
}

std::string TProcessDataInOut::Get_Gradient(const TIODD& aIODD, bool SimpleDataType,
                                            bool ProcessDataIn, std::string_view SubIndex) const {
    return menu_scaling(aIODD, SimpleDataType, ProcessDataIn, SubIndex, "1",
                        [](auto& g, auto&, auto&) { return g; });
}

std::string TProcessDataInOut::Get_Offset(const TIODD& aIODD, bool SimpleDataType,
                                          bool ProcessDataIn, std::string_view SubIndex) const {
    return menu_scaling(aIODD, SimpleDataType, ProcessDataIn, SubIndex, "0",
                        [](auto&, auto& o, auto&) { return o; });
}

std::string TProcessDataInOut::Get_UnitCode(const TIODD& aIODD, bool SimpleDataType,
                                            bool ProcessDataIn, std::string_view SubIndex) const {
    return menu_scaling(aIODD, SimpleDataType, ProcessDataIn, SubIndex, "",
                        [](auto&, auto&, auto& u) { return u; });
}

int TPhysicalLayer::Get_BitRate() const {
    const std::string rate = iodd_xml::ascii_upper(trim(fBitRate));
    const std::size_t com = rate.find("COM");
    return com == std::string::npos ? 0 : int_or_zero(std::string_view(rate).substr(com + 3));
}

int TPhysicalLayer::Get_MinCycleTime() const {
    return int_or_zero(fMinCycleTime);
}

int TIODD::Find_Var_SD(std::string_view id) const {
    const auto& list = SD_VariableCollection.Var_List;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].Id == id) return static_cast<int>(i);
    return -1;
}

TEventRef TIODD::Get_Event_SD_Ref(int Code) const {
    for (const TEventRef& event : SD_EventCollection.Event_List)
        if (event->Code_ == Code) return event;
    return nullptr;
}

const TEventData* TIODD::Get_Event_SD(int Code) const {
    return Get_Event_SD_Ref(Code).get();
}

std::string TIODD::GetDesc_ExtTextCol(bool StdDef, const std::string& Text) const {
    if (Text.empty()) return {};
    const auto found = (StdDef ? SD_ExtTextCol : ExtTextCol).find(Text);
    return found ? std::string(*found) : Text;
}

} // namespace kestrion
