// The device function beyond its data types: variables, process data, events and menus.
#include "iodd/IoddReader.h"
#include "iodd/IoddXml.h"

#include <utility>

namespace kestrion::iodd_detail {

using namespace iodd_xml;

void IoddReader::read_variable_collection(pugi::xml_node collection, TVariableCollection& into) {
    const std::size_t count = element_count(collection);
    if (!fits(into.Var_List.size() + into.StdVar_List.size() + count, Max_Variables, "variables"))
        return;
    into.Var_List.reserve(into.Var_List.size() + count);
    for (pugi::xml_node child = collection.first_child(); child; child = child.next_sibling()) {
        if (!is_entry(child)) continue;
        // Read in place: a variable is large, and nearly every entry is one.
        const bool standard = !loose_is(child.name(), "VARIABLE");
        auto& list = standard ? into.StdVar_List : into.Var_List;
        const bool ok = read_variable(child, list.emplace_back(), collection);
        if (failed()) return list.pop_back();
        if (!ok) list.pop_back();
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

bool IoddReader::read_variable(pugi::xml_node node, TVariable& v, pugi::xml_node scope) {
    if (loose_is(node.name(), "VARIABLE")) {
        v.VarType = vtVariable;
        // The first attribute of a name counts, as a search by name would find it.
        bool seen[7] = {};
        bool declares = false;
        const auto first = [&](int k) { return !std::exchange(seen[k], true); };
        for_each_attribute(node, [&](const char* name, pugi::xml_attribute a) {
            const char* text = a.value();
            if (is_name(name, "id")) {
                if (first(0)) v.Id = text;
            } else if (is_name(name, "accessRights")) {
                if (first(1))
                    v.AccessRights = is_name(text, "rw") ? arRW : is_name(text, "ro") ? arRO : arWO;
            } else if (is_name(name, "index")) {
                if (first(2)) to_integer(text, v.Index);
            } else if (is_name(name, "defaultValue")) {
                if (first(3)) v.DefaultValue = text;
            } else if (is_name(name, "dynamic")) {
                if (first(4)) v.Dynamic_V = is_name(text, "true");
            } else if (is_name(name, "modifiesOtherVariables")) {
                if (first(5)) v.ModifiesOtherVariables = is_name(text, "true");
            } else if (is_name(name, "excludedFromDataStorage")) {
                if (first(6)) v.ExcludedFromDataStorage = is_name(text, "true");
            } else if (is_declaration(name)) {
                declares = true;
            }
        });
        // One pass over the children; the first of each name counts.
        pugi::xml_node name, description, type, ref;
        for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
            const char* n = c.name();
            if (is_name(n, "Datatype")) {
                if (!type) type = c;
            } else if (is_name(n, "Name")) {
                if (!name) name = c;
            } else if (is_name(n, "Description")) {
                if (!description) description = c;
            } else if (is_name(n, "DatatypeRef")) {
                if (!ref) ref = c;
            } else if (is_name(n, "RecordItemInfo")) {
                if (v.RecordItemInfoList.size() == Max_Record_Items) {
                    fail("The variable \"" + shown(v.Id) + "\" describes more than " +
                         std::to_string(Max_Record_Items) +
                         " record items; an IO-Link record holds at most " +
                         std::to_string(Max_Record_Items) + ".");
                    return false;
                }
                read_record_item_info(c, v.RecordItemInfoList.emplace_back());
            }
        }
        if (name) read_text(name, "textId", v.Name);
        if (description) read_text(description, "textId", v.Description);
        // Unless the variable declares a prefix, its collection's scope is its type's.
        if (type) read_datatype(type, v.DataType.emplace(), declares ? pugi::xml_node() : scope);
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
    const std::size_t count = element_count(collection);
    if (!fits(count, Max_Process_Data, "process-data layouts")) return;
    list.reserve(count);
    for (pugi::xml_node child = collection.first_child(); child; child = child.next_sibling()) {
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

// A menu entry's attributes, copied as written into the entry; the first of each name
// counts.
void read_menu_ref(pugi::xml_node entry, std::vector<TMenuRef>& into, bool variable) {
    static constexpr std::array<std::string_view, 7> names = {
        "variableId",    "gradient", "offset", "unitCode", "accessRightRestriction",
        "displayFormat", "subindex"};
    const auto values = attribute_values(entry, names);
    const auto fill = [&](auto& ref) {
        std::string* fields[] = {&ref.VariableId,
                                 &ref.Gradient,
                                 &ref.Offset,
                                 &ref.UnitCode,
                                 &ref.AccessRightRestriction,
                                 &ref.DisplayFormat};
        for (std::size_t k = 0; k < std::size(fields); ++k)
            if (values[k]) *fields[k] = values[k];
    };
    if (variable) {
        fill(std::get<TMenuVariableRef>(into.emplace_back(std::in_place_type<TMenuVariableRef>)));
    } else {
        auto& ref =
            std::get<TMenuRecordItemRef>(into.emplace_back(std::in_place_type<TMenuRecordItemRef>));
        fill(ref);
        if (values[6]) ref.SubIndex = values[6];
    }
}

} // namespace

void IoddReader::read_menus(pugi::xml_node userInterface) {
    auto& menus = m_.ProfileBody.DeviceFunction.UserInterface.MenuCollection.Menu_List;
    const pugi::xml_node collection = userInterface.child("MenuCollection");
    const std::size_t count = element_count(collection);
    if (!fits(count, Max_Menus, "menus")) return;
    menus.reserve(count);
    for (pugi::xml_node child = collection.first_child(); child; child = child.next_sibling()) {
        if (!is_entry(child)) continue;
        TMenu& menu = menus.emplace_back();
        read_text(child, "id", menu.Id);
        const std::size_t entries = element_count(child);
        menuEntries_ += entries;
        if (!fits(menuEntries_, Max_All_Menu_Entries, "menu entries")) return;
        menu.MenuVariableRef_List.reserve(entries);
        for (pugi::xml_node entry = child.first_child(); entry; entry = entry.next_sibling()) {
            const char* name = entry.name();
            if (is_name(name, "VariableRef")) {
                read_menu_ref(entry, menu.MenuVariableRef_List, true);
            } else if (is_name(name, "RecordItemRef")) {
                read_menu_ref(entry, menu.MenuVariableRef_List, false);
            } else if (is_name(name, "Name")) {
                menu.Name = text_of(entry, "textId");
            }
        }
    }
}

} // namespace kestrion::iodd_detail
