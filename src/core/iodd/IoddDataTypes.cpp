#include "iodd/IoddDataTypes.h"

#include "iodd/TIODD.h"

#include <array>

namespace kestrion {

std::string access_rights_text(TAccessRights rights) {
    switch (rights) {
    case arRO:
        return "Read Only";
    case arRW:
        return "Read Write";
    case arWO:
        return "Write Only";
    }
    return {};
}

namespace {

constexpr std::array<const char*, 9> kSimpleNames = {"None",         "BooleanT", "UIntegerT",
                                                     "IntegerT",     "Float32T", "StringT",
                                                     "OctetStringT", "TimeT",    "TimeSpanT"};

std::string simple_length(const TSimpleDataType& t) {
    switch (t.ActualSimpleDataType) {
    case asdtBooleanT:
        return "1";
    case asdtUIntegerT:
    case asdtIntegerT:
        return std::to_string(t.BitLength);
    case asdtFloat32T:
        return "32";
    case asdtStringT:
    case asdtOctetStringT:
        return std::to_string(t.FixedLength);
    case asdtTimeSpanT:
        return "64";
    case asdtTimeT:
    case asdtNONE:
        return {};
    }
    return {};
}

} // namespace

const TSimpleDataType* TSimpleDataType::resolve(const TIODD& aIODD, bool VarRef) const {
    if (!IsSimpleDataRef) return this;
    const TDataTypeCollection& collection = aIODD.type_collection(VarRef);
    const int at = collection.GetDTIndex(DataTypeId);
    if (at < 0) return nullptr;
    const TDataType& target = collection.ListDataType[static_cast<std::size_t>(at)];
    return target.SimpleDataType ? &*target.SimpleDataType : nullptr;
}

std::string TSimpleDataType::Get_ActualSimpleDataType(const TIODD& aIODD, bool VarRef) const {
    const TSimpleDataType* t = resolve(aIODD, VarRef);
    return t ? kSimpleNames[t->ActualSimpleDataType] : std::string();
}

std::string TSimpleDataType::Get_Length(const TIODD& aIODD, bool VarRef) const {
    const TSimpleDataType* t = resolve(aIODD, VarRef);
    return t ? simple_length(*t) : std::string();
}

std::string TComplexDataType::Get_ActualComplexDataType() const {
    switch (ActualComplexDataType) {
    case acdtArrayT:
        return "ArrayT";
    case acdtRecordT:
        return "RecordT";
    case acdtNONE:
        return "None";
    }
    return {};
}

const TSimpleDataType* TComplexDataType::array_element() const {
    if (ActualComplexDataType != acdtArrayT || Arr_RecItem.empty()) return nullptr;
    return &Arr_RecItem.front().SimpleTD;
}

const std::string& TDataType::own_id() const {
    static const std::string none;
    if (SimpleDataType) return SimpleDataType->Id;
    if (ComplexDataType) return ComplexDataType->Id;
    return none;
}

const TDataType* TDataType::resolve(const TIODD& aIODD, bool VarRef) const {
    if (!IsDataTypeRef) return this;
    const TDataTypeCollection& collection = aIODD.type_collection(VarRef);
    const int at = collection.GetDTIndex(Ref_DataTypeId);
    return at < 0 ? nullptr : &collection.ListDataType[static_cast<std::size_t>(at)];
}

std::string TDataType::type_name(const TIODD& aIODD, bool VarRef) const {
    const TDataType* t = resolve(aIODD, VarRef);
    if (!t) return {};
    if (t->SimpleDataType) return t->SimpleDataType->Get_ActualSimpleDataType(aIODD, VarRef);
    // A complex type of unknown kind names nothing.
    if (t->ComplexDataType && t->ComplexDataType->ActualComplexDataType != acdtNONE)
        return t->ComplexDataType->Get_ActualComplexDataType();
    return {};
}

std::string TDataType::length_text(const TIODD& aIODD, bool VarRef) const {
    const TDataType* t = resolve(aIODD, VarRef);
    if (!t) return {};
    if (t->SimpleDataType) return t->SimpleDataType->Get_Length(aIODD, VarRef);
    if (t->ComplexDataType && t->ComplexDataType->ActualComplexDataType == acdtRecordT)
        return std::to_string(t->ComplexDataType->BitLength);
    return {};
}

int TDataTypeCollection::GetDTIndex(std::string_view id) const {
    for (std::size_t i = 0; i < ListDataType.size(); ++i)
        if (ListDataType[i].own_id() == id) return static_cast<int>(i);
    return -1;
}

} // namespace kestrion
