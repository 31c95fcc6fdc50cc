#pragma once
// The section readers behind TIODD::Decode_IODD. Internal to iodd/.
#include "iodd/IoddXml.h"
#include "iodd/TIODD.h"

#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace kestrion::iodd_detail {

// Files larger than this are refused: real device descriptions stay far below 1 MB, and
// the parsed document of a hostile file can take up to about eighteen times its size in
// memory, so 16 MB keeps a refused file well under 300 MB.
inline constexpr std::size_t Max_IODD_Bytes = 16u << 20;

// IO-Link addresses array elements and record items by a one-byte subindex.
inline constexpr int Max_Array_Count = 255;
inline constexpr std::size_t Max_Record_Items = 255;

// What one file may make the model build. A model entry takes far more memory than the
// few bytes of an empty element, so a file within the size limit could otherwise ask for
// gigabytes. The bounds stand far above any real device (the largest known have some
// hundred variables, texts and menu entries, and a handful of process-data layouts).
inline constexpr std::size_t Max_Variables = 65536; // the index is 16 bits
inline constexpr std::size_t Max_Data_Types = 65536;
inline constexpr std::size_t Max_Events = 65536; // event codes are 16 bits
inline constexpr std::size_t Max_Process_Data = 1024;
inline constexpr std::size_t Max_Menus = 65536;
inline constexpr std::size_t Max_Device_Variants = 4096;
// In the whole file, all records and menus together.
inline constexpr std::size_t Max_All_Record_Items = 262144;
inline constexpr std::size_t Max_All_Menu_Entries = 262144;
inline constexpr std::size_t Max_All_Permitted_Values = 1u << 20;
inline constexpr std::size_t Max_Texts = 1u << 20;        // of one language
inline constexpr std::size_t Max_Text_Reserve = 4u << 20; // characters reserved ahead

// Text from the file as a reason shows it: on one line (control characters become
// blanks) and cut short when it is long.
std::string shown(std::string_view fileText);

// Fills one TIODD from parsed documents. The readers take what they find and leave
// defaults for the rest; the first fact that makes the model unusable is kept in
// failure() and ends the read.
class IoddReader {
public:
    explicit IoddReader(TIODD& model) : m_(model) {}

    // Device file: `root` is its IODevice element.
    void read_device(pugi::xml_node root, bool simple);
    // Standard-definitions file: `root` is its top element, whatever its name.
    void read_standard_definitions(pugi::xml_node root);

    bool failed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }

    // Data types (IoddTypeReader.cpp).
    // `scope`: an ancestor below which no element declares a namespace prefix (see
    // ns_attribute); empty when not known.
    bool read_datatype(pugi::xml_node node, TDataType& type, pugi::xml_node scope = {});
    void read_datatype_collection(pugi::xml_node collection, TDataTypeCollection& into);

    // Device function (IoddFunctionReader.cpp).
    bool read_variable(pugi::xml_node node, TVariable& variable, pugi::xml_node scope = {});
    void read_variable_collection(pugi::xml_node collection, TVariableCollection& into);
    void read_process_data(pugi::xml_node collection);
    TEventRef read_event(pugi::xml_node node);
    void read_menus(pugi::xml_node userInterface);

private:
    void fail(std::string why) {
        if (failure_.empty()) failure_ = std::move(why);
    }
    // Fails when `count` entries of a kind would pass `limit`; true when they fit.
    bool fits(std::size_t count, std::size_t limit, const std::string& what);
    void document_info(pugi::xml_node root);
    void profile_header(pugi::xml_node root);
    void standard_definitions();
    void device_identity(pugi::xml_node body);
    void device_function(pugi::xml_node function);
    void read_texts(pugi::xml_node collection, TExtTextCol& into, bool onlyTextElements);
    void physical_layer(pugi::xml_node root);

    void decode_simple(pugi::xml_node node, TActualSimpleDataType kind, TSimpleDataType& into);
    void read_single_value(pugi::xml_node node, TActualSimpleDataType kind,
                           std::vector<TSingleValue>& into);
    // The count and bitLength attributes come from the caller, which has read them with
    // the type's other attributes (nullptr when missing).
    void read_array(pugi::xml_node node, TComplexDataType& array, const char* count);
    // `within`: the element whose namespace scope holds for the record (see ns_attribute).
    void read_record(pugi::xml_node node, TComplexDataType& record, const char* bitLength,
                     pugi::xml_node within);
    TProcessDataInOut read_process_data_part(pugi::xml_node node);

    // The xsi type of a node as written ("" when missing); `within` as for ns_attribute.
    const char* xsi_type(pugi::xml_node node, pugi::xml_node scope = {},
                         pugi::xml_node* within = nullptr);

    TIODD& m_;
    std::string failure_;
    iodd_xml::PrefixScopes scopes_;
    // Entries built so far, for the bounds that hold for the whole file.
    std::size_t recordItems_ = 0;
    std::size_t menuEntries_ = 0;
    std::size_t permittedValues_ = 0;
};

// The simple kind an xsi type names (blanks and case aside); asdtNONE for any other.
TActualSimpleDataType simple_kind(const char* kind);

// Parses bytes in place into `doc`. Empty when it worked, otherwise why not.
std::string parse_in_place(pugi::xml_document& doc, std::string& bytes);

// The document's first element, or an empty handle.
pugi::xml_node top_element(const pugi::xml_document& doc);

} // namespace kestrion::iodd_detail
