#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kestrion {

class TIODD;

enum TProfileRevision : std::uint8_t { prPR10, prPR11 };
enum TAccessRights : std::uint8_t { arRO, arRW, arWO };
enum TActualSimpleDataType : std::uint8_t {
    asdtNONE,
    asdtBooleanT,
    asdtUIntegerT,
    asdtIntegerT,
    asdtFloat32T,
    asdtStringT,
    asdtOctetStringT,
    asdtTimeT,
    asdtTimeSpanT
};
enum TActualComplexDataType : std::uint8_t { acdtNONE, acdtArrayT, acdtRecordT };

// "Read Only", "Read Write" or "Write Only": the wording every table shows.
std::string access_rights_text(TAccessRights rights);

// Permitted values of a simple type. Name is a text id.
struct TBooleanValueT {
    bool Value = false;
    std::string Name;
};

struct TIntegerValueRangeT {
    std::uint8_t ValueType = 1; // 1: single value, 0: range
    std::int32_t Value = 0;
    std::int64_t LowerValue = 0;
    std::int64_t UpperValue = 0;
    std::string Name;
};

struct TFloat32ValueRangeT {
    std::uint8_t ValueType = 1; // 1: single value, 0: range
    float Value = 0;
    float LowerValue = 0;
    float UpperValue = 0;
    std::string Name;
};

using TSingleValue = std::variant<TBooleanValueT, TIntegerValueRangeT, TFloat32ValueRangeT>;

struct TDataType;

// A simple type as declared in place, or (inside a record item) a reference to a
// collection type by DataTypeId.
struct TSimpleDataType {
    bool IsSimpleDataRef = false;
    std::string DataTypeId;
    TActualSimpleDataType ActualSimpleDataType = asdtNONE;
    std::string Id;
    std::int32_t BitLength = 0;    // UIntegerT, IntegerT
    std::uint32_t FixedLength = 0; // StringT, OctetStringT: in bits
    std::string Encodig;
    std::vector<TSingleValue> SingleValueRange;

    // The simple type this one stands for: itself, or the collection entry it refers to
    // (nullptr when that is missing or complex). VarRef picks the standard collection.
    const TSimpleDataType* resolve(const TIODD& aIODD, bool VarRef) const;
    std::string Get_ActualSimpleDataType(const TIODD& aIODD, bool VarRef) const;
    std::string Get_Length(const TIODD& aIODD, bool VarRef) const;
};

struct TRecordItem {
    std::int32_t SubIndex = 0;
    std::int32_t BitOffset = 0;
    // Never filled from a file: record items carry the access rights of their variable.
    TAccessRights AccessRightRestriction = arRO;
    bool AccessRightResPresent = false;
    std::string Name;
    std::string Description;
    TSimpleDataType SimpleTD;

    std::string GetAccessRightRestrictionStr() const {
        return access_rights_text(AccessRightRestriction);
    }
};

struct TComplexDataType {
    TActualComplexDataType ActualComplexDataType = acdtNONE;
    std::string Id;
    bool SubIndexAccessSupPresent = false;
    bool SubIndexAccessSup = true;
    std::int32_t Count = 0;      // ArrayT: number of elements (0..255 once read)
    std::uint32_t BitLength = 0; // RecordT: total length
    // RecordT: one entry per record item, in file order. ArrayT: at most one entry, whose
    // SimpleTD is the element type (its other fields keep their defaults).
    std::vector<TRecordItem> Arr_RecItem;

    std::string Get_ActualComplexDataType() const;
    // The element type of an ArrayT; nullptr for records and for arrays without one.
    const TSimpleDataType* array_element() const;
};

// A data type as declared or referenced at one place. A declared type has exactly one of
// SimpleDataType / ComplexDataType; a reference has neither.
struct TDataType {
    bool IsSimpleDataType = true;
    bool IsDataTypeRef = false;
    std::string Ref_DataTypeId;
    std::optional<TSimpleDataType> SimpleDataType;
    std::optional<TComplexDataType> ComplexDataType;

    // The id a collection entry is found by.
    const std::string& own_id() const;
    // This type, or the collection entry a reference names (nullptr when missing).
    const TDataType* resolve(const TIODD& aIODD, bool VarRef) const;
    // Type name and length in bits after resolution ("" when it resolves to nothing).
    std::string type_name(const TIODD& aIODD, bool VarRef) const;
    std::string length_text(const TIODD& aIODD, bool VarRef) const;
};

struct TDataTypeCollection {
    std::vector<TDataType> ListDataType;

    // Position of the first entry whose own id is `id` (case-sensitive); -1 when none.
    int GetDTIndex(std::string_view id) const;
};

} // namespace kestrion
