// The device function beyond its data types: variables, process data, events and menus.
#include "iodd/IoddReader.h"
#include "iodd/IoddXml.h"

#include <utility>

namespace kestrion::iodd_detail {

using namespace iodd_xml;

void IoddReader::read_variable_collection(pugi::xml_node collection, TVariableCollection& into) {
    into.Var_List.reserve(into.Var_List.size() + element_count(collection));
    for (pugi::xml_node child : collection.children()) {
        if (!is_entry(child)) continue;
        TVariable variable;
        const bool ok = read_variable(child, variable);
        if (failed()) return;
        if (!ok) continue;
        (variable.VarType == vtStdVarRef ? into.StdVar_List : into.Var_List)
            .push_back(std::move(variable));
    }
}

namespace {

void read_record_item_info(pugi::xml_node info, TRecordItemInfo& item) {
    read_integer(info, "subindex", item.Subindex);
    read_text(info, "defaultValue", item.DefaultValue);
    item.ModifiesOtherVariables = flag(info, "modifiesOtherVariables");
    item.ExcludedFromDataStorage = flag(info, "excludedFromDataStorage");
}

} // namespace

bool IoddReader::read_variable(pugi::xml_node node, TVariable& v) {
    if (loose_is(node.name(), "VARIABLE")) {
        v.VarType = vtVariable;
        // The first attribute of a name counts, as a search by name would find it.
        bool seen[7] = {};
        const auto first = [&](int k) { return !std::exchange(seen[k], true); };
        for_each_attribute(node, [&](std::string_view name, pugi::xml_attribute a) {
            const std::string_view text = a.value();
            if (name == "id" && first(0)) {
                v.Id = text;
            } else if (name == "accessRights" && first(1)) {
                v.AccessRights = text == "rw" ? arRW : text == "ro" ? arRO : arWO;
            } else if (name == "index" && first(2)) {
                to_integer(text, v.Index);
            } else if (name == "defaultValue" && first(3)) {
                v.DefaultValue = text;
            } else if (name == "dynamic" && first(4)) {
                v.Dynamic_V = text == "true";
            } else if (name == "modifiesOtherVariables" && first(5)) {
                v.ModifiesOtherVariables = text == "true";
            } else if (name == "excludedFromDataStorage" && first(6)) {
                v.ExcludedFromDataStorage = text == "true";
            }
        });
        // One pass over the children; the first of each name counts.
        pugi::xml_node name, description, type, ref;
        for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
            const std::string_view n = c.name();
            if (n == "Name" && !name)
                name = c;
            else if (n == "Description" && !description)
                description = c;
            else if (n == "Datatype" && !type)
                type = c;
            else if (n == "DatatypeRef" && !ref)
                ref = c;
            else if (n == "RecordItemInfo")
                read_record_item_info(c, v.RecordItemInfoList.emplace_back());
        }
        v.Name = text_of(name, "textId");
        v.Description = text_of(description, "textId");
        if (type) read_datatype(type, v.DataType.emplace());
        // When both are given, the reference wins.
        if (ref) read_datatype(ref, v.DataType.emplace());
        return true;
    }
    if (loose_is(node.name(), "STDVARIABLEREF")) {
        v.VarType = vtStdVarRef;
        v.Id = text_of(node, "id");
        read_text(node, "defaultValue", v.DefaultValue);
        read_integer(node, "fixedLengthRestriction", v.FixedLengthRestriction);
        v.ExcludedFromDataStorage = flag(node, "excludedFromDataStorage");
        return true;
    }
    return false;
}

TProcessDataInOut IoddReader::read_process_data_part(pugi::xml_node node) {
    TProcessDataInOut part;
    read_text(node, "id", part.Id);
    read_integer(node, "bitLength", part.BitLength);
    part.Name = text_id(node, "Name");
    if (const pugi::xml_node type = node.child("Datatype")) read_datatype(type, part.DataType);
    // A reference marks the same type as a reference, after any inline declaration.
    if (const pugi::xml_node ref = node.child("DatatypeRef")) read_datatype(ref, part.DataType);
    return part;
}

void IoddReader::read_process_data(pugi::xml_node collection) {
    auto& list = m_.ProfileBody.DeviceFunction.ProcessDataCollection.ProcessData_List;
    list.reserve(element_count(collection));
    for (pugi::xml_node child : collection.children()) {
        if (!is_entry(child)) continue;
        TProcessData& pd = list.emplace_back();
        read_text(child, "id", pd.Id);
        if (const pugi::xml_node condition = child.child("Condition")) {
            TCondition& c = pd.Condition.emplace();
            read_text(condition, "variableId", c.VariableId);
            read_integer(condition, "subindex", c.SubIndex);
            read_integer(condition, "value", c.Value);
        }
        if (const pugi::xml_node in = child.child("ProcessDataIn"))
            pd.ProcessDataIn = read_process_data_part(in);
        if (const pugi::xml_node out = child.child("ProcessDataOut"))
            pd.ProcessDataOut = read_process_data_part(out);
        if (failed()) return;
    }
}

TEventRef IoddReader::read_event(pugi::xml_node node) {
    std::int32_t code = -1;
    read_integer(node, "code", code);
    if (code < 0) return nullptr;
    if (loose_is(node.name(), "EVENT")) {
        auto event = std::make_shared<TEventData>();
        event->Code_ = code;
        read_text(node, "type", event->EventType);
        event->Name = text_id(node, "Name");
        event->Description = text_id(node, "Description");
        return event;
    }
    // The standard event itself, shared with the standard definitions.
    if (loose_is(node.name(), "STDEVENTREF")) return m_.Get_Event_SD_Ref(code);
    return nullptr;
}

namespace {

// A menu entry's attributes, copied as written; one pass, the first of each name counts.
TMenuRef read_menu_ref(pugi::xml_node entry, bool variable) {
    TMenuRecordItemRef ref;
    std::string* fields[] = {&ref.VariableId,   &ref.SubIndex, &ref.Gradient,
                             &ref.Offset,       &ref.UnitCode, &ref.AccessRightRestriction,
                             &ref.DisplayFormat};
    static constexpr std::string_view names[] = {
        "variableId",   "subindex", "gradient", "offset", "unitCode", "accessRightRestriction",
        "displayFormat"};
    bool seen[std::size(names)] = {};
    for_each_attribute(entry, [&](std::string_view name, pugi::xml_attribute a) {
        for (std::size_t k = 0; k < std::size(names); ++k)
            if (name == names[k]) {
                if (!std::exchange(seen[k], true) && (k != 1 || !variable)) *fields[k] = a.value();
                return;
            }
    });
    if (!variable) return ref;
    return TMenuVariableRef{std::move(ref.VariableId),
                            std::move(ref.Gradient),
                            std::move(ref.Offset),
                            std::move(ref.UnitCode),
                            std::move(ref.AccessRightRestriction),
                            std::move(ref.DisplayFormat)};
}

} // namespace

void IoddReader::read_menus(pugi::xml_node userInterface) {
    auto& menus = m_.ProfileBody.DeviceFunction.UserInterface.MenuCollection.Menu_List;
    const pugi::xml_node collection = userInterface.child("MenuCollection");
    menus.reserve(element_count(collection));
    for (pugi::xml_node child : collection.children()) {
        if (!is_entry(child)) continue;
        TMenu& menu = menus.emplace_back();
        read_text(child, "id", menu.Id);
        menu.MenuVariableRef_List.reserve(element_count(child));
        for (pugi::xml_node entry : child.children()) {
            const std::string_view name = entry.name();
            if (name == "Name") {
                menu.Name = text_of(entry, "textId");
            } else if (name == "VariableRef" || name == "RecordItemRef") {
                menu.MenuVariableRef_List.push_back(read_menu_ref(entry, name == "VariableRef"));
            }
        }
    }
}

} // namespace kestrion::iodd_detail
