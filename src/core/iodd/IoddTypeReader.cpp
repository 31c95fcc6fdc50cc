// Data types: collection entries, the types of variables and process data, record items,
// array element types and permitted values.
#include "iodd/IoddReader.h"
#include "iodd/IoddXml.h"

#include <utility>

namespace kestrion::iodd_detail {

using namespace iodd_xml;

TActualSimpleDataType simple_kind(const char* kind) {
    static constexpr std::pair<std::string_view, TActualSimpleDataType> kinds[] = {
        {"BOOLEANT", asdtBooleanT}, {"UINTEGERT", asdtUIntegerT},
        {"INTEGERT", asdtIntegerT}, {"FLOAT32T", asdtFloat32T},
        {"STRINGT", asdtStringT},   {"OCTETSTRINGT", asdtOctetStringT},
        {"TIMET", asdtTimeT},       {"TIMESPANT", asdtTimeSpanT}};
    for (const auto& [name, value] : kinds)
        if (loose_is(kind, name)) return value;
    return asdtNONE;
}

const char* IoddReader::xsi_type(pugi::xml_node node, pugi::xml_node scope,
                                 pugi::xml_node* within) {
    return ns_attribute(scopes_, node, "type", Xsi_Namespace, "xsi", scope, within).value();
}

void IoddReader::read_datatype_collection(pugi::xml_node collection, TDataTypeCollection& into) {
    const std::size_t count = element_count(collection);
    if (!fits(into.ListDataType.size() + count, Max_Data_Types, "data types")) return;
    into.ListDataType.reserve(into.ListDataType.size() + count);
    for (pugi::xml_node child = collection.first_child(); child; child = child.next_sibling()) {
        if (!is_entry(child)) continue;
        TDataType type;
        // A DatatypeRef here reports no success: it declares nothing.
        if (read_datatype(child, type)) into.ListDataType.push_back(std::move(type));
        if (failed()) return;
    }
}

bool IoddReader::read_datatype(pugi::xml_node node, TDataType& type, pugi::xml_node scope) {
    if (loose_is(node.name(), "DATATYPEREF")) {
        type.IsDataTypeRef = true;
        type.Ref_DataTypeId = text_of(node, "datatypeId");
        return false;
    }
    if (!loose_is(node.name(), "DATATYPE")) return false;
    type.IsDataTypeRef = false;
    type.Ref_DataTypeId.clear();
    pugi::xml_node within;
    const char* kind = xsi_type(node, scope, &within);
    if (const TActualSimpleDataType simple = simple_kind(kind); simple != asdtNONE) {
        type.IsSimpleDataType = true;
        decode_simple(node, simple, type.SimpleDataType.emplace());
        return true;
    }
    type.IsSimpleDataType = false;
    TComplexDataType& complex = type.ComplexDataType.emplace();
    static constexpr std::array<std::string_view, 4> names = {"id", "subindexAccessSupported",
                                                              "count", "bitLength"};
    const auto [id, access, count, bitLength] = attribute_values(node, names);
    if (id) complex.Id = id;
    if (access) {
        complex.SubIndexAccessSupPresent = true;
        complex.SubIndexAccessSup = is_name(access, "true");
    }
    if (loose_is(kind, "ARRAYT"))
        read_array(node, complex, count);
    else if (loose_is(kind, "RECORDT"))
        read_record(node, complex, bitLength, within);
    return true;
}

void IoddReader::read_array(pugi::xml_node node, TComplexDataType& array, const char* countText) {
    array.ActualComplexDataType = acdtArrayT;
    // Later steps build one row per element: an absurd count must not reach them.
    long long count = 0;
    // A number too long to convert is too large all the same.
    if (countText && !to_integer(countText, count) && is_integer_text(countText))
        count = std::numeric_limits<long long>::max();
    if (count < 0 || count > Max_Array_Count)
        return fail("The array data type \"" + shown(array.Id) + "\" has " +
                    shown(countText ? countText : "") +
                    " elements; an IO-Link array holds at most " + std::to_string(Max_Array_Count) +
                    ".");
    array.Count = static_cast<std::int32_t>(count);
    const pugi::xml_node element = node.child("SimpleDatatype");
    if (!element) return;
    // An element type given by DatatypeRef, or of a kind that is not simple, is not kept.
    if (const TActualSimpleDataType simple = simple_kind(xsi_type(element)); simple != asdtNONE)
        decode_simple(element, simple, array.Arr_RecItem.emplace_back().SimpleTD);
}

void IoddReader::read_record(pugi::xml_node node, TComplexDataType& record, const char* bitLength,
                             pugi::xml_node within) {
    record.ActualComplexDataType = acdtRecordT;
    if (bitLength) to_integer(bitLength, record.BitLength);
    const std::size_t count = element_count(node);
    if (count > Max_Record_Items)
        return fail("The record data type \"" + shown(record.Id) + "\" has " +
                    std::to_string(count) + " items; an IO-Link record holds at most " +
                    std::to_string(Max_Record_Items) + ".");
    recordItems_ += count;
    if (!fits(recordItems_, Max_All_Record_Items, "record items")) return;
    record.Arr_RecItem.reserve(count);
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (!is_entry(child)) continue;
        TRecordItem& item = record.Arr_RecItem.emplace_back();
        item.SubIndex = 1;
        bool subindexSeen = false, offsetSeen = false, declares = false;
        for_each_attribute(child, [&](const char* name, pugi::xml_attribute a) {
            if (is_name(name, "subindex") && !std::exchange(subindexSeen, true))
                to_integer(a.value(), item.SubIndex);
            else if (is_name(name, "bitOffset") && !std::exchange(offsetSeen, true))
                to_integer(a.value(), item.BitOffset);
            else if (is_declaration(name))
                declares = true;
        });
        // One pass over the item's children; the first of each name counts.
        pugi::xml_node simple, ref, name, description;
        for (pugi::xml_node c = child.first_child(); c; c = c.next_sibling()) {
            const char* n = c.name();
            if (is_name(n, "SimpleDatatype")) {
                if (!simple) simple = c;
            } else if (is_name(n, "Name")) {
                if (!name) name = c;
            } else if (is_name(n, "Description")) {
                if (!description) description = c;
            } else if (is_name(n, "DatatypeRef")) {
                if (!ref) ref = c;
            }
        }
        if (simple) {
            // Unless the item declares a prefix, the record's own scope is the item type's.
            const TActualSimpleDataType kind =
                simple_kind(xsi_type(simple, declares ? pugi::xml_node() : within));
            if (kind == asdtNONE) {
                record.Arr_RecItem.pop_back();
                continue;
            }
            decode_simple(simple, kind, item.SimpleTD);
        } else if (ref) {
            item.SimpleTD.IsSimpleDataRef = true;
            read_text(ref, "datatypeId", item.SimpleTD.DataTypeId);
        } else {
            record.Arr_RecItem.pop_back();
            continue;
        }
        if (name) read_text(name, "textId", item.Name);
        if (description) read_text(description, "textId", item.Description);
    }
}

void IoddReader::decode_simple(pugi::xml_node node, TActualSimpleDataType kind,
                               TSimpleDataType& t) {
    static constexpr std::array<std::string_view, 4> names = {"id", "bitLength", "fixedLength",
                                                              "encoding"};
    const auto [id, bitLength, fixedLength, encoding] = attribute_values(node, names);
    if (id) t.Id = id;
    t.ActualSimpleDataType = kind;
    bool permitted = false;
    switch (kind) {
    case asdtBooleanT:
    case asdtFloat32T:
        permitted = true;
        break;
    case asdtUIntegerT:
    case asdtIntegerT:
        if (bitLength) to_integer(bitLength, t.BitLength);
        permitted = true;
        break;
    case asdtStringT:
    case asdtOctetStringT: {
        // The file counts bytes; the model holds bits. A count whose bits do not fit
        // 32 bits does not convert.
        std::uint32_t bytes = 0;
        if (fixedLength) to_integer(fixedLength, bytes);
        if (bytes <= UINT32_MAX / 8) t.FixedLength = bytes * 8;
        if (kind == asdtStringT && encoding) t.Encodig = encoding;
        break;
    }
    case asdtTimeT:
    case asdtTimeSpanT:
    case asdtNONE:
        break;
    }
    if (!permitted) return;
    permittedValues_ += element_count(node);
    if (!fits(permittedValues_, Max_All_Permitted_Values, "permitted values")) return;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        if (is_entry(child)) read_single_value(child, kind, t.SingleValueRange);
}

void IoddReader::read_single_value(pugi::xml_node node, TActualSimpleDataType kind,
                                   std::vector<TSingleValue>& into) {
    const bool integer = kind == asdtUIntegerT || kind == asdtIntegerT;
    const char* name = node.name();
    if (loose_is(name, "SINGLEVALUE")) {
        if (kind == asdtBooleanT) {
            into.push_back(TBooleanValueT{flag(node, "value"), {}});
        } else if (integer) {
            TIntegerValueRangeT v;
            to_integer(node.attribute("value").value(), v.Value);
            into.push_back(std::move(v));
        } else {
            into.push_back(
                TFloat32ValueRangeT{1, to_float(node.attribute("value").value()), 0, 0, {}});
        }
    } else if (loose_is(name, "VALUERANGE")) {
        if (kind == asdtBooleanT) return;
        if (integer) {
            TIntegerValueRangeT v;
            v.ValueType = 0;
            for_each_attribute(node, [&, lower = false, upper = false](
                                         const char* attribute, pugi::xml_attribute a) mutable {
                if (is_name(attribute, "lowerValue") && !std::exchange(lower, true))
                    to_integer(a.value(), v.LowerValue);
                else if (is_name(attribute, "upperValue") && !std::exchange(upper, true))
                    to_integer(a.value(), v.UpperValue);
            });
            into.push_back(std::move(v));
        } else {
            into.push_back(TFloat32ValueRangeT{0,
                                               0,
                                               to_float(node.attribute("lowerValue").value()),
                                               to_float(node.attribute("upperValue").value()),
                                               {}});
        }
    } else {
        return;
    }
    if (const pugi::xml_node label = node.child("Name"))
        if (const pugi::xml_attribute id = label.attribute("textId"))
            std::visit([&](auto& v) { v.Name = id.value(); }, into.back());
}

} // namespace kestrion::iodd_detail
