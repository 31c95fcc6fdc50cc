// Data types: collection entries, the types of variables and process data, record items,
// array element types and permitted values.
#include "iodd/IoddReader.h"
#include "iodd/IoddXml.h"

#include <utility>

namespace kestrion::iodd_detail {

using namespace iodd_xml;

TActualSimpleDataType simple_kind(std::string_view kind) {
    static constexpr std::pair<std::string_view, TActualSimpleDataType> kinds[] = {
        {"BOOLEANT", asdtBooleanT}, {"UINTEGERT", asdtUIntegerT},
        {"INTEGERT", asdtIntegerT}, {"FLOAT32T", asdtFloat32T},
        {"STRINGT", asdtStringT},   {"OCTETSTRINGT", asdtOctetStringT},
        {"TIMET", asdtTimeT},       {"TIMESPANT", asdtTimeSpanT}};
    for (const auto& [name, value] : kinds)
        if (kind == name) return value;
    return asdtNONE;
}

std::string IoddReader::xsi_kind(pugi::xml_node node) {
    return ascii_upper(trim(ns_attribute(scopes_, node, "type", Xsi_Namespace, "xsi").value()));
}

void IoddReader::read_datatype_collection(pugi::xml_node collection, TDataTypeCollection& into) {
    into.ListDataType.reserve(into.ListDataType.size() + element_count(collection));
    for (pugi::xml_node child : collection.children()) {
        if (!is_entry(child)) continue;
        TDataType type;
        // A DatatypeRef here reports no success: it declares nothing.
        if (read_datatype(child, type)) into.ListDataType.push_back(std::move(type));
        if (failed()) return;
    }
}

bool IoddReader::read_datatype(pugi::xml_node node, TDataType& type) {
    if (loose_is(node.name(), "DATATYPEREF")) {
        type.IsDataTypeRef = true;
        type.Ref_DataTypeId = text_of(node, "datatypeId");
        return false;
    }
    if (!loose_is(node.name(), "DATATYPE")) return false;
    type.IsDataTypeRef = false;
    type.Ref_DataTypeId.clear();
    const std::string kind = xsi_kind(node);
    if (const TActualSimpleDataType simple = simple_kind(kind); simple != asdtNONE) {
        type.IsSimpleDataType = true;
        type.SimpleDataType = decode_simple(node, simple);
        return true;
    }
    type.IsSimpleDataType = false;
    TComplexDataType& complex = type.ComplexDataType.emplace();
    complex.Id = text_of(node, "id");
    if (const pugi::xml_attribute access = node.attribute("subindexAccessSupported")) {
        complex.SubIndexAccessSupPresent = true;
        complex.SubIndexAccessSup = std::string_view(access.value()) == "true";
    }
    if (kind == "ARRAYT")
        read_array(node, complex);
    else if (kind == "RECORDT")
        read_record(node, complex);
    return true;
}

void IoddReader::read_array(pugi::xml_node node, TComplexDataType& array) {
    array.ActualComplexDataType = acdtArrayT;
    // Later steps build one row per element: an absurd count must not reach them.
    long long count = 0;
    read_integer(node, "count", count);
    if (count < 0 || count > Max_Array_Count)
        return fail("The array data type \"" + array.Id + "\" has " + text_of(node, "count") +
                    " elements; an IO-Link array holds at most " + std::to_string(Max_Array_Count) +
                    ".");
    array.Count = static_cast<std::int32_t>(count);
    const pugi::xml_node element = node.child("SimpleDatatype");
    if (!element) return;
    // An element type given by DatatypeRef, or of a kind that is not simple, is not kept.
    if (const TActualSimpleDataType simple = simple_kind(xsi_kind(element)); simple != asdtNONE)
        array.Arr_RecItem.emplace_back().SimpleTD = decode_simple(element, simple);
}

void IoddReader::read_record(pugi::xml_node node, TComplexDataType& record) {
    record.ActualComplexDataType = acdtRecordT;
    read_integer(node, "bitLength", record.BitLength);
    record.Arr_RecItem.reserve(element_count(node));
    for (pugi::xml_node child : node.children()) {
        if (!is_entry(child)) continue;
        TRecordItem item;
        item.SubIndex = 1;
        bool subindexSeen = false, offsetSeen = false;
        for_each_attribute(child, [&](std::string_view name, pugi::xml_attribute a) {
            if (name == "subindex" && !std::exchange(subindexSeen, true))
                to_integer(a.value(), item.SubIndex);
            else if (name == "bitOffset" && !std::exchange(offsetSeen, true))
                to_integer(a.value(), item.BitOffset);
        });
        // One pass over the item's children; the first of each name counts.
        pugi::xml_node simple, ref, name, description;
        for (pugi::xml_node c = child.first_child(); c; c = c.next_sibling()) {
            const std::string_view n = c.name();
            if (n == "SimpleDatatype" && !simple)
                simple = c;
            else if (n == "DatatypeRef" && !ref)
                ref = c;
            else if (n == "Name" && !name)
                name = c;
            else if (n == "Description" && !description)
                description = c;
        }
        if (simple) {
            const TActualSimpleDataType kind = simple_kind(xsi_kind(simple));
            if (kind == asdtNONE) continue;
            item.SimpleTD = decode_simple(simple, kind);
        } else if (ref) {
            item.SimpleTD.IsSimpleDataRef = true;
            item.SimpleTD.DataTypeId = text_of(ref, "datatypeId");
        } else {
            continue;
        }
        item.Name = text_of(name, "textId");
        item.Description = text_of(description, "textId");
        record.Arr_RecItem.push_back(std::move(item));
    }
}

TSimpleDataType IoddReader::decode_simple(pugi::xml_node node, TActualSimpleDataType kind) {
    TSimpleDataType t;
    t.Id = text_of(node, "id");
    t.ActualSimpleDataType = kind;
    bool permitted = false;
    switch (kind) {
    case asdtBooleanT:
    case asdtFloat32T:
        permitted = true;
        break;
    case asdtUIntegerT:
    case asdtIntegerT:
        read_integer(node, "bitLength", t.BitLength);
        permitted = true;
        break;
    case asdtStringT:
    case asdtOctetStringT: {
        // The file counts bytes; the model holds bits. A count whose bits do not fit
        // 32 bits does not convert.
        std::uint32_t bytes = 0;
        read_integer(node, "fixedLength", bytes);
        if (bytes <= UINT32_MAX / 8) t.FixedLength = bytes * 8;
        if (kind == asdtStringT) t.Encodig = text_of(node, "encoding");
        break;
    }
    case asdtTimeT:
    case asdtTimeSpanT:
    case asdtNONE:
        break;
    }
    if (permitted)
        for (pugi::xml_node child : node.children())
            if (is_entry(child)) read_single_value(child, kind, t.SingleValueRange);
    return t;
}

void IoddReader::read_single_value(pugi::xml_node node, TActualSimpleDataType kind,
                                   std::vector<TSingleValue>& into) {
    const bool integer = kind == asdtUIntegerT || kind == asdtIntegerT;
    if (loose_is(node.name(), "SINGLEVALUE")) {
        if (kind == asdtBooleanT) {
            into.push_back(TBooleanValueT{flag(node, "value"), {}});
        } else if (integer) {
            TIntegerValueRangeT v;
            to_integer(text_of(node, "value"), v.Value);
            into.push_back(v);
        } else {
            into.push_back(TFloat32ValueRangeT{1, to_float(text_of(node, "value")), 0, 0, {}});
        }
    } else if (loose_is(node.name(), "VALUERANGE")) {
        if (kind == asdtBooleanT) return;
        if (integer) {
            TIntegerValueRangeT v;
            v.ValueType = 0;
            to_integer(text_of(node, "lowerValue"), v.LowerValue);
            to_integer(text_of(node, "upperValue"), v.UpperValue);
            into.push_back(v);
        } else {
            into.push_back(TFloat32ValueRangeT{0,
                                               0,
                                               to_float(text_of(node, "lowerValue")),
                                               to_float(text_of(node, "upperValue")),
                                               {}});
        }
    } else {
        return;
    }
    std::visit([&](auto& v) { v.Name = text_id(node, "Name"); }, into.back());
}

} // namespace kestrion::iodd_detail
