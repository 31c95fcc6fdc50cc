#include "iodd/IoddReader.h"

#include "iodd/IoddXml.h"
#include "iodd/StandardDefCache.h"
#include "xml/XmlText.h"

#include <algorithm>
#include <fstream>

namespace kestrion {

using namespace iodd_xml;
using iodd_detail::IoddReader;

namespace {

constexpr const char* kStdDef11 = "IODD-StandardDefinitions1.1.xml";
constexpr const char* kStdDef101 = "IODD-StandardDefinitions1.0.1.xml";

// Reads a whole file, refusing one beyond the size limit before reading it. Empty when
// it worked, otherwise why not.
std::string read_bounded(const std::filesystem::path& file, std::string& bytes) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec) return "it could not be read (" + ec.message() + ").";
    if (size > iodd_detail::Max_IODD_Bytes)
        return "it is too large (" + std::to_string(size >> 20) +
               " MB) to be a device description.";
    std::ifstream in(file, std::ios::binary);
    bytes.resize(static_cast<std::size_t>(size));
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(size)))
        return "it could not be read.";
    return {};
}

std::string header_text(pugi::xml_node header, const char* name) {
    return child_text(header, name).value_or(std::string());
}

} // namespace

namespace iodd_detail {

std::string parse_in_place(pugi::xml_document& doc, std::string& bytes) {
    // Default options: no DOCTYPE, entities or comments are kept, and pugixml never loads
    // anything from outside the buffer.
    const pugi::xml_parse_result parsed =
        doc.load_buffer_inplace(bytes.data(), bytes.size(), pugi::parse_default);
    if (!parsed)
        return std::string("it is not well-formed XML (") + parsed.description() + " at byte " +
               std::to_string(parsed.offset) + ").";
    return {};
}

pugi::xml_node top_element(const pugi::xml_document& doc) {
    return first_element(doc);
}

std::string shown(std::string_view fileText) {
    constexpr std::size_t Longest = 100;
    std::string out;
    std::size_t i = 0;
    for (; i < fileText.size() && out.size() < Longest; ++i) {
        const auto c = static_cast<unsigned char>(fileText[i]);
        const auto next = i + 1 < fileText.size() ? static_cast<unsigned char>(fileText[i + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            out += ' '; // a control character of the second block (NEL and its kin)
            ++i;
        } else {
            out += c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c);
        }
    }
    if (i < fileText.size()) {
        // Cut at a character boundary.
        while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80)
            out.pop_back();
        if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0) out.pop_back();
        out += "...";
    }
    return out;
}

bool IoddReader::fits(std::size_t count, std::size_t limit, const std::string& what) {
    if (count <= limit) return true;
    fail("The file has more than " + std::to_string(limit) + " " + what +
         "; no device description has that many.");
    return false;
}

void IoddReader::read_device(pugi::xml_node root, bool simple) {
    // The header is a handful of elements and says which revision the file follows,
    // which a quick look wants to show as well.
    profile_header(root);
    if (!simple) {
        document_info(root);
        standard_definitions();
        if (failed()) return;
    }
    if (const pugi::xml_node body = root.child("ProfileBody")) {
        device_identity(body);
        if (!simple)
            if (const pugi::xml_node function = body.child("DeviceFunction"))
                device_function(function);
        if (failed()) return;
    }
    if (const pugi::xml_node texts = root.child("ExternalTextCollection"))
        read_texts(texts, m_.ExtTextCol, false);
    if (!simple && !failed()) physical_layer(root);
}

void IoddReader::document_info(pugi::xml_node root) {
    const pugi::xml_node info = root.child("DocumentInfo");
    read_text(info, "version", m_.DocumentInfo.FVersion);
    read_text(info, "releaseDate", m_.DocumentInfo.FReleaseDate);
    read_text(info, "copyright", m_.DocumentInfo.FCopyright);
}

void IoddReader::profile_header(pugi::xml_node root) {
    const pugi::xml_node header = root.child("ProfileHeader");
    if (!header) return;
    TProfileHeader& h = m_.ProfileHeader;
    h.FProfileIdentification = header_text(header, "ProfileIdentification");
    h.FProfileRevision = header_text(header, "ProfileRevision") == "1.1" ? prPR11 : prPR10;
    h.FProfileName = header_text(header, "ProfileName");
    h.FProfileSource = header_text(header, "ProfileSource");
    h.FProfileClassID = header_text(header, "ProfileClassID");
    if (const pugi::xml_node iso = header.child("ISO15745Reference")) {
        h.FISO15745Part = header_text(iso, "ISO15745Part");
        h.FISO15745Edition = header_text(iso, "ISO15745Edition");
        h.FProfileTechnology = header_text(iso, "ProfileTechnology");
    }
}

void IoddReader::standard_definitions() {
    const char* name = m_.ProfileHeader.FProfileRevision == prPR11 ? kStdDef11 : kStdDef101;
    const std::filesystem::path file = m_.StandardDef_Path / name;
    std::error_code ec;
    // Without the file, standard references simply find nothing.
    if (!std::filesystem::exists(file, ec)) return;
    const auto load = [&](StandardDefinitions& into) -> std::string {
        const std::string what = std::string("The standard definitions file ") + name;
        std::string bytes;
        if (std::string why = read_bounded(file, bytes); !why.empty())
            return what + " could not be used: " + why;
        pugi::xml_document doc;
        if (std::string why = parse_in_place(doc, bytes); !why.empty())
            return what + " could not be used: " + why;
        TIODD scratch;
        IoddReader standard(scratch);
        standard.read_standard_definitions(top_element(doc));
        if (standard.failed()) return standard.failure();
        into.texts = std::move(scratch.SD_ExtTextCol);
        into.types = std::move(scratch.SD_DataTypeCollection);
        into.variables = std::move(scratch.SD_VariableCollection);
        into.events = std::move(scratch.SD_EventCollection);
        return {};
    };
    std::string why;
    const auto definitions = cached_standard_definitions(file, load, why);
    if (!definitions) return fail(why);
    // Copies: a model owns its collections. The events themselves are shared.
    m_.SD_ExtTextCol = definitions->texts;
    m_.SD_DataTypeCollection = definitions->types;
    m_.SD_VariableCollection = definitions->variables;
    m_.SD_EventCollection = definitions->events;
}

void IoddReader::read_standard_definitions(pugi::xml_node root) {
    if (std::string_view(root.name()) != "IODDStandardDefinitions")
        return fail("The standard definitions file has no IODDStandardDefinitions element.");
    if (const pugi::xml_node texts = root.child("ExternalTextCollection"))
        read_texts(texts, m_.SD_ExtTextCol, true);
    m_.SD_DataTypeCollection.ListDataType.clear();
    read_datatype_collection(root.child("DatatypeCollection"), m_.SD_DataTypeCollection);
    read_variable_collection(root.child("VariableCollection"), m_.SD_VariableCollection);
    const pugi::xml_node events = root.child("EventCollection");
    if (!fits(element_count(events), Max_Events, "events")) return;
    for (pugi::xml_node child : events.children()) {
        // Standard references inside the standard file point nowhere; they are dropped.
        if (!is_entry(child) || !loose_is(child.name(), "EVENT")) continue;
        if (TEventRef event = read_event(child)) m_.SD_EventCollection.Event_List.push_back(event);
    }
}

void IoddReader::device_identity(pugi::xml_node body) {
    const pugi::xml_node identity = body.child("DeviceIdentity");
    if (!identity) return;
    TDeviceIdentity& d = m_.ProfileBody.DeviceIdentity;
    read_text(identity, "vendorId", d.FVendorId);
    read_text(identity, "vendorName", d.FVendorName);
    read_text(identity, "deviceId", d.FDeviceId);
    d.FVendorText = text_id(identity, "VendorText");
    d.FVendorUrl = text_id(identity, "VendorUrl");
    d.FVendorLogo = text_of(identity.child("VendorLogo"), "name");
    d.FDeviceName = text_id(identity, "DeviceName");
    d.FDeviceFamily = text_id(identity, "DeviceFamily");
    const pugi::xml_node variants = identity.child("DeviceVariantCollection");
    if (!fits(element_count(variants), Max_Device_Variants, "device variants")) return;
    for (pugi::xml_node v : variants.children("DeviceVariant")) {
        TDeviceVariant& variant = d.DeviceVariant_List.emplace_back();
        read_text(v, "productId", variant.FProductId);
        read_text(v, "deviceSymbol", variant.FDeviceSymbol);
        read_text(v, "deviceIcon", variant.FDeviceIcon);
        variant.FName = text_id(v, "Name");
        variant.FDescription = text_id(v, "Description");
    }
}

void IoddReader::device_function(pugi::xml_node function) {
    TDeviceFunction& f = m_.ProfileBody.DeviceFunction;
    if (const pugi::xml_node features = function.child("Features")) {
        f.Features.FBlockParameter = flag(features, "blockParameter");
        f.Features.FDataStorage = flag(features, "dataStorage");
        if (const pugi::xml_node locks = features.child("SupportedAccessLocks")) {
            f.Features.FSAL_LocalUserInterface = flag(locks, "localUserInterface");
            f.Features.FSAL_DataStorage = flag(locks, "dataStorage");
            f.Features.FSAL_Parameter = flag(locks, "parameter");
            f.Features.FSAL_LocalParameterization = flag(locks, "localParameterization");
        }
    }
    read_datatype_collection(function.child("DatatypeCollection"), f.DataTypeCollection);
    read_variable_collection(function.child("VariableCollection"), f.VariableCollection);
    read_process_data(function.child("ProcessDataCollection"));
    const pugi::xml_node events = function.child("EventCollection");
    if (!fits(element_count(events), Max_Events, "events")) return;
    for (pugi::xml_node child : events.children()) {
        if (!is_entry(child)) continue;
        TEventRef event = read_event(child);
        if (!event) continue;
        auto& list = loose_is(child.name(), "STDEVENTREF") ? f.EventCollection.StdEventRef_List
                                                           : f.EventCollection.Event_List;
        list.push_back(std::move(event));
    }
    if (failed()) return;
    read_menus(function.child("UserInterface"));
}

void IoddReader::read_texts(pugi::xml_node collection, TExtTextCol& into, bool onlyTextElements) {
    const pugi::xml_node primary = collection.child("PrimaryLanguage");
    if (!primary)
        return fail("The text collection has no primary language (PrimaryLanguage element).");
    // The xml prefix is bound to the XML namespace by definition; no declaration to check.
    into.FLang_Code_Primary = primary.attribute("xml:lang").value();
    into.Erase_All();
    const std::size_t count = element_count(primary);
    if (!fits(count, Max_Texts, "texts in one language")) return;
    // Texts of real devices average under 48 characters; the guess spares regrowth, and is
    // capped so that a file of empty elements does not reserve for texts it lacks.
    into.reserve(count, std::min<std::size_t>(count * 48, Max_Text_Reserve));
    for (pugi::xml_node text = primary.first_child(); text; text = text.next_sibling()) {
        if (!is_entry(text)) continue;
        if (onlyTextElements && !is_name(text.name(), "Text")) continue;
        const char* id = nullptr;
        const char* value = nullptr;
        for (pugi::xml_attribute a = text.first_attribute(); a; a = a.next_attribute()) {
            const char* name = a.name();
            if (!id && is_name(name, "id"))
                id = a.value();
            else if (!value && is_name(name, "value"))
                value = a.value();
        }
        into.Add(id ? id : "", value ? value : "");
    }
}

void IoddReader::physical_layer(pugi::xml_node root) {
    const pugi::xml_node layer =
        root.child("CommNetworkProfile").child("TransportLayers").child("PhysicalLayer");
    if (!layer)
        return fail("The file describes no physical layer "
                    "(CommNetworkProfile/TransportLayers/PhysicalLayer is missing).");
    TPhysicalLayer& p = m_.PhysicalLayer;
    read_text(layer, "bitrate", p.fBitRate);
    read_text(layer, "baudrate", p.fBitRate);
    read_text(layer, "minCycleTime", p.fMinCycleTime);
    if (const pugi::xml_attribute sio = layer.attribute("sioSupported"))
        p.fSIOSupported = ascii_lower(trim(sio.value())) == "true";
    read_text(layer, "mSequenceCapability", p.fMSequenceCapability);
}

} // namespace iodd_detail

namespace {

// Empties the model; where the standard definitions live is the caller's setting.
void clear_model(TIODD& model) {
    std::filesystem::path keep = std::move(model.StandardDef_Path);
    model = TIODD();
    model.StandardDef_Path = std::move(keep);
}

// Reads into a fresh model and hands it over only when the whole read worked, so that a
// failed read never leaves half a device in use.
IoddResult decode(TIODD& target, std::string& bytes, bool simple,
                  const std::filesystem::path& file) {
    TIODD fresh;
    fresh.StandardDef_Path = target.StandardDef_Path;
    const auto unusable = [&](const std::string& why) {
        clear_model(target);
        return IoddResult::unusable(why);
    };
    {
        pugi::xml_document doc;
        if (std::string why = iodd_detail::parse_in_place(doc, bytes); !why.empty())
            return unusable("The file cannot be used: " + why);
        const pugi::xml_node root = iodd_detail::top_element(doc);
        if (std::string_view(root.name()) != "IODevice")
            return unusable(std::string("The file is not an IODD device description: its "
                                        "top element is ") +
                            iodd_detail::shown(root.name()) + ", not IODevice.");
        fresh.IODD_FileName = file;
        IoddReader reader(fresh);
        reader.read_device(root, simple);
        if (reader.failed()) return unusable(reader.failure());
    } // the document goes here: the model keeps no XML
    target = std::move(fresh);
    return {};
}

} // namespace

IoddResult TIODD::Decode_IODD(const std::filesystem::path& file, bool Simple_Decode) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        clear_model(*this);
        return IoddResult::missing("The file does not exist.");
    }
    std::string bytes;
    if (std::string why = read_bounded(file, bytes); !why.empty()) {
        clear_model(*this);
        return IoddResult::unusable("The file cannot be used: " + why);
    }
    return decode(*this, bytes, Simple_Decode, file);
}

IoddResult TIODD::Decode_IODD_Bytes(std::string_view bytes, bool Simple_Decode,
                                    const std::filesystem::path& file) {
    if (bytes.size() > iodd_detail::Max_IODD_Bytes) {
        clear_model(*this);
        return IoddResult::unusable("The file cannot be used: it is too large to be a device "
                                    "description.");
    }
    std::string copy(bytes);
    return decode(*this, copy, Simple_Decode, file);
}

IoddResult TIODD::Read_StandardDef_Bytes(std::string_view bytes) {
    std::string copy(bytes);
    pugi::xml_document doc;
    if (std::string why = iodd_detail::parse_in_place(doc, copy); !why.empty())
        return IoddResult::unusable("The standard definitions file cannot be used: " + why);
    IoddReader reader(*this);
    reader.read_standard_definitions(iodd_detail::top_element(doc));
    return reader.failed() ? IoddResult::unusable(reader.failure()) : IoddResult();
}

} // namespace kestrion
