// kestrion-cli iodd FILE [--stddef DIR] [--simple]: the decoded device as one JSON object.
#include "cli/CliCommands.h"
#include "cli/JsonWriter.h"
#include "iodd/TIODD.h"

#include <iostream>

namespace kestrion::cli {

namespace {

void write_identity(JsonWriter& j, const TIODD& d) {
    const TDeviceIdentity& id = d.ProfileBody.DeviceIdentity;
    const auto text = [&](const std::string& textId) {
        return d.GetDesc_ExtTextCol(false, textId);
    };
    j.key("identity").begin_object();
    j.field("vendorId", id.FVendorId).field("vendorName", id.FVendorName);
    j.field("deviceId", id.FDeviceId).field("vendorText", text(id.FVendorText));
    j.field("vendorUrl", text(id.FVendorUrl)).field("deviceName", text(id.FDeviceName));
    j.field("deviceFamily", text(id.FDeviceFamily));
    j.key("variants").begin_array();
    for (const TDeviceVariant& v : id.DeviceVariant_List)
        j.begin_object()
            .field("productId", v.FProductId)
            .field("name", text(v.FName))
            .field("description", text(v.FDescription))
            .end_object();
    j.end_array().end_object();
}

void write_physical_layer_and_features(JsonWriter& j, const TIODD& d) {
    const TPhysicalLayer& p = d.PhysicalLayer;
    j.key("physicalLayer").begin_object();
    j.field("bitRate", p.fBitRate).field("minCycleTime", p.fMinCycleTime);
    j.field("sioSupported", p.fSIOSupported).field("mSequenceCapability", p.fMSequenceCapability);
    j.end_object();
    const TFeatures& f = d.ProfileBody.DeviceFunction.Features;
    j.key("features").begin_object();
    j.field("blockParameter", f.FBlockParameter).field("dataStorage", f.FDataStorage);
    j.field("localUserInterface", f.FSAL_LocalUserInterface);
    j.field("dataStorageLock", f.FSAL_DataStorage).field("parameterLock", f.FSAL_Parameter);
    j.field("localParameterizationLock", f.FSAL_LocalParameterization);
    j.end_object();
}

// `shown` is the variable whose type and texts are printed: the standard variable for a
// reference (with the standard texts), the variable itself otherwise.
void write_variable(JsonWriter& j, const TIODD& d, const TVariable& listed, const TVariable& shown,
                    bool standard) {
    const std::string& defaultValue =
        listed.DefaultValue.empty() ? shown.DefaultValue : listed.DefaultValue;
    j.begin_object();
    j.field("id", listed.Id).field("kind", standard ? "stdref" : "variable");
    j.field("index", static_cast<std::int64_t>(shown.Index));
    j.field("type", shown.Get_DataType(d, standard)).field("length", shown.Get_Length(d, standard));
    j.field("access", shown.Get_AccessRights());
    j.field("subIndexAccessSupported", shown.Get_SubIndAccSup(d, standard));
    j.field("defaultValue", defaultValue);
    j.field("name", d.GetDesc_ExtTextCol(standard, shown.Name));
    j.end_object();
}

void write_part(JsonWriter& j, const TIODD& d, const char* name,
                const std::optional<TProcessDataInOut>& part) {
    j.key(name);
    if (!part) {
        j.null();
        return;
    }
    j.begin_object();
    j.field("id", part->Id).field("bitLength", static_cast<std::int64_t>(part->BitLength));
    j.field("type", part->Get_DataTypeStr(d));
    j.field("name", d.GetDesc_ExtTextCol(false, part->Name));
    j.end_object();
}

void write_function(JsonWriter& j, const TIODD& d) {
    const TDeviceFunction& f = d.ProfileBody.DeviceFunction;
    j.key("variables").begin_array();
    for (const TVariable& ref : f.VariableCollection.StdVar_List)
        if (const TVariable* standard = ref.Get_Index_Var_Ref(d))
            write_variable(j, d, ref, *standard, true);
    for (const TVariable& v : f.VariableCollection.Var_List)
        write_variable(j, d, v, v, false);
    j.end_array();

    j.key("processData").begin_array();
    for (const TProcessData& pd : f.ProcessDataCollection.ProcessData_List) {
        j.begin_object().field("id", pd.Id).key("condition");
        if (pd.Condition)
            j.begin_object()
                .field("variableId", pd.Condition->VariableId)
                .field("subIndex", static_cast<std::int64_t>(pd.Condition->SubIndex))
                .field("value", static_cast<std::int64_t>(pd.Condition->Value))
                .end_object();
        else
            j.null();
        write_part(j, d, "in", pd.ProcessDataIn);
        write_part(j, d, "out", pd.ProcessDataOut);
        j.end_object();
    }
    j.end_array();

    j.key("events").begin_array();
    const auto event = [&](const TEventData& e, bool standard) {
        j.begin_object().field("code", static_cast<std::int64_t>(e.Code_));
        j.field("type", e.EventType).field("name", d.GetDesc_ExtTextCol(standard, e.Name));
        j.field("standard", standard).end_object();
    };
    for (const TEventRef& e : f.EventCollection.StdEventRef_List)
        event(*e, true);
    for (const TEventRef& e : f.EventCollection.Event_List)
        event(*e, false);
    j.end_array();

    j.key("menus").begin_array();
    for (const TMenu& menu : f.UserInterface.MenuCollection.Menu_List) {
        j.begin_object().field("id", menu.Id).key("refs").begin_array();
        for (const TMenuRef& entry : menu.MenuVariableRef_List) {
            j.begin_object();
            std::visit(
                [&](const auto& ref) {
                    j.field("variableId", ref.VariableId).key("subIndex");
                    // A whole variable has no subindex: an empty text, as refs are texts.
                    if constexpr (std::is_same_v<std::decay_t<decltype(ref)>, TMenuRecordItemRef>)
                        j.value(ref.SubIndex);
                    else
                        j.value("");
                    j.field("gradient", ref.Gradient).field("offset", ref.Offset);
                    j.field("unitCode", ref.UnitCode);
                },
                entry);
            j.end_object();
        }
        j.end_array().end_object();
    }
    j.end_array();
}

} // namespace

int run_iodd(const CliContext& ctx) {
    std::filesystem::path file;
    std::filesystem::path stddef = ctx.workspace / "IOLink_StaDef";
    bool simple = false;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& arg = ctx.args[i];
        if (arg == "--simple") {
            simple = true;
        } else if (arg == "--stddef" && i + 1 < ctx.args.size()) {
            stddef = ctx.args[++i];
        } else if (arg.starts_with("--") || !file.empty()) {
            std::cerr << "kestrion-cli: iodd FILE [--stddef DIR] [--simple]\n";
            return Exit_Usage;
        } else {
            file = arg;
        }
    }
    if (file.empty()) {
        std::cerr << "kestrion-cli: iodd needs an IODD file (see --help)\n";
        return Exit_Usage;
    }
    TIODD iodd;
    iodd.StandardDef_Path = stddef;
    if (const IoddResult result = iodd.Decode_IODD(file, simple); !result) {
        // One line whatever the name or the reason holds.
        std::string line = file.string() + ": " + result.reason;
        for (char& c : line)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
        std::cerr << "kestrion-cli: " << line << "\n";
        return Exit_Findings;
    }
    JsonWriter j;
    j.begin_object();
    j.field("file", file.filename().string());
    j.field("profileRevision", iodd.ProfileHeader.FProfileRevision == prPR11 ? "1.1" : "1.0");
    write_identity(j, iodd);
    if (simple) {
        j.key("physicalLayer").begin_object().end_object();
        j.key("features").begin_object().end_object();
        for (const char* list : {"variables", "processData", "events", "menus"})
            j.key(list).begin_array().end_array();
    } else {
        write_physical_layer_and_features(j, iodd);
        write_function(j, iodd);
    }
    j.end_object();
    std::cout << j.str() << "\n";
    return Exit_Ok;
}

} // namespace kestrion::cli
