#pragma once
#include "iodd/IoddDataTypes.h"
#include "iodd/IoddResult.h"
#include "iodd/TExtTextCol.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kestrion {

struct TDocumentInfo {
    std::string FVersion, FReleaseDate, FCopyright;
};

struct TProfileHeader {
    std::string FProfileIdentification;
    TProfileRevision FProfileRevision = prPR10;
    std::string FProfileName, FProfileSource, FProfileClassID;
    std::string FISO15745Part, FISO15745Edition, FProfileTechnology;
};

struct TDeviceVariant {
    std::string FProductId, FDeviceSymbol, FDeviceIcon;
    std::string FName, FDescription; // text ids
};

struct TDeviceIdentity {
    std::string FVendorId, FVendorName, FDeviceId;
    std::string FVendorText, FVendorUrl;    // text ids
    std::string FVendorLogo;                // a file name
    std::string FDeviceName, FDeviceFamily; // text ids
    std::vector<TDeviceVariant> DeviceVariant_List;
};

struct TFeatures {
    bool FBlockParameter = false;
    bool FDataStorage = false;
    // The supported access locks.
    bool FSAL_LocalUserInterface = false;
    bool FSAL_DataStorage = false;
    bool FSAL_Parameter = false;
    bool FSAL_LocalParameterization = false;
};

enum TVariableType : std::uint8_t { vtVariable, vtStdVarRef };

struct TRecordItemInfo {
    int Subindex = 0;
    std::string DefaultValue;
    bool ModifiesOtherVariables = false;
    bool ExcludedFromDataStorage = false;
};

// A device parameter, or (vtStdVarRef) a reference to a standard variable whose type,
// index and texts live in the standard definitions.
struct TVariable {
    TVariableType VarType = vtVariable;
    std::string Id;
    TAccessRights AccessRights = arRW;
    bool Dynamic_V = false;
    bool ModifiesOtherVariables = false;
    bool ExcludedFromDataStorage = false;
    std::uint32_t Index = 1;
    std::string DefaultValue;
    std::optional<TDataType> DataType; // absent for a standard-variable reference
    std::vector<TRecordItemInfo> RecordItemInfoList;
    std::string Name, Description; // text ids
    int FixedLengthRestriction = 1;
    std::vector<TSingleValue> SingleValueRangeList;    // never filled from a file
    std::vector<TRecordItemInfo> StdRecordItemRefList; // never filled from a file

    // The standard variable a reference stands for; nullptr for a plain variable or when
    // the standard definitions lack it.
    const TVariable* Get_Index_Var_Ref(const TIODD& aIODD) const;
    std::string Get_AccessRights() const { return access_rights_text(AccessRights); }
    // Naming after type resolution. A standard reference answers for its standard variable.
    std::string Get_DataType(const TIODD& aIODD, bool VarRef) const;
    std::string Get_Length(const TIODD& aIODD, bool VarRef) const;
    std::string Get_SubIndAccSup(const TIODD& aIODD, bool VarRef) const;
};

struct TVariableCollection {
    std::vector<TVariable> Var_List;
    std::vector<TVariable> StdVar_List;

    // The variable at IO-Link index `Index` (decimal text): standard references first
    // (by their standard variable's index), then the device's own. SubIndex takes no part.
    const TVariable* Get_Variables(std::string_view Index, std::string_view SubIndex,
                                   const TIODD& IODD) const;
    // The entry with that id: standard references first, then the device's own. A
    // reference whose standard variable is missing stands for nothing and is passed over.
    const TVariable* Get_Variables_IDs(std::string_view VarIDs, const TIODD& IODD) const;
};

struct TCondition {
    std::string VariableId;
    int SubIndex = 0;
    int Value = 0;
};

struct TProcessDataInOut {
    std::string Id;
    std::uint32_t BitLength = 0;
    std::string Name; // text id
    TDataType DataType;

    std::string Get_DataTypeStr(const TIODD& aIODD) const;
    // The collection entry a reference names (device collection); nullptr otherwise.
    const TDataType* GetDataType(const TIODD& aIODD) const;
    // Scaling from the device's menus (last matching entry wins): "1", "0", "" without one.
    std::string Get_Gradient(const TIODD& aIODD, bool SimpleDataType, bool ProcessDataIn,
                             std::string_view SubIndex) const;
    std::string Get_Offset(const TIODD& aIODD, bool SimpleDataType, bool ProcessDataIn,
                           std::string_view SubIndex) const;
    std::string Get_UnitCode(const TIODD& aIODD, bool SimpleDataType, bool ProcessDataIn,
                             std::string_view SubIndex) const;
};

// One process-data layout; with several, a condition selects the one in force.
struct TProcessData {
    std::string Id;
    std::optional<TCondition> Condition;
    std::optional<TProcessDataInOut> ProcessDataIn;
    std::optional<TProcessDataInOut> ProcessDataOut;
};

struct TProcessDataCollection {
    std::vector<TProcessData> ProcessData_List;
};

struct TEventData {
    std::int32_t Code_ = -1;
    std::string EventType;
    std::string Name, Description; // text ids
};

// Events are immutable once read. A device's standard event references hold the very
// objects of the standard definitions; shared ownership keeps them alive exactly as long
// as any list needs them, whatever is copied or destroyed first.
using TEventRef = std::shared_ptr<const TEventData>;

struct TEventCollection {
    std::vector<TEventRef> StdEventRef_List;
    std::vector<TEventRef> Event_List;
};

struct TMenuVariableRef {
    std::string VariableId, Gradient, Offset, UnitCode, AccessRightRestriction, DisplayFormat;
};

struct TMenuRecordItemRef {
    std::string VariableId, SubIndex, Gradient, Offset, UnitCode, AccessRightRestriction,
        DisplayFormat;
};

using TMenuRef = std::variant<TMenuVariableRef, TMenuRecordItemRef>;

struct TMenu {
    std::string Id;
    std::string Name; // text id
    std::vector<TMenuRef> MenuVariableRef_List;
};

struct TMenuCollection {
    std::vector<TMenu> Menu_List;
};

struct TUserInterface {
    TMenuCollection MenuCollection;
};

struct TDeviceFunction {
    TFeatures Features;
    TDataTypeCollection DataTypeCollection;
    TVariableCollection VariableCollection;
    TProcessDataCollection ProcessDataCollection;
    TEventCollection EventCollection;
    TUserInterface UserInterface;
};

struct TProfileBody {
    TDeviceIdentity DeviceIdentity;
    TDeviceFunction DeviceFunction;
};

struct TPhysicalLayer {
    std::string fBitRate, fMinCycleTime;
    bool fSIOSupported = false;
    std::string fMSequenceCapability;

    // The number after "COM" (COM2 gives 2); 0 for any other bit rate.
    int Get_BitRate() const;
    int Get_MinCycleTime() const;
};

// One IO-Link device description, read from its IODD file together with the standard
// definitions it refers to. Holds no XML document once read.
class TIODD {
public:
    std::filesystem::path IODD_FileName;
    // Folder of the standard-definitions files; set before reading.
    std::filesystem::path StandardDef_Path;

    TDocumentInfo DocumentInfo;
    TProfileHeader ProfileHeader;
    TProfileBody ProfileBody;
    TExtTextCol ExtTextCol;
    TPhysicalLayer PhysicalLayer;

    TExtTextCol SD_ExtTextCol;
    TDataTypeCollection SD_DataTypeCollection;
    TVariableCollection SD_VariableCollection;
    TEventCollection SD_EventCollection;

    // Reads the file into this (empty) model. Simple_Decode reads the identity and the
    // texts only. On any failure the model is left empty and the result says why.
    IoddResult Decode_IODD(const std::filesystem::path& IODD_FileName, bool Simple_Decode);
    // The same from bytes in memory (the file name is only recorded).
    IoddResult Decode_IODD_Bytes(std::string_view bytes, bool Simple_Decode,
                                 const std::filesystem::path& IODD_FileName = {});
    // Reads a standard-definitions document into the SD_ collections (Decode_IODD does
    // this itself from StandardDef_Path).
    IoddResult Read_StandardDef_Bytes(std::string_view bytes);

    static int Find_DataType(std::string_view ID_DataType, const TDataTypeCollection& collection) {
        return collection.GetDTIndex(ID_DataType);
    }
    int Find_Var_SD(std::string_view id) const;
    const TEventData* Get_Event_SD(int Code) const;
    TEventRef Get_Event_SD_Ref(int Code) const;
    // The text of id `Text` (standard texts when StdDef); `Text` itself when unknown.
    std::string GetDesc_ExtTextCol(bool StdDef, const std::string& Text) const;
    // The collection a reference is resolved in: standard or the device's own.
    const TDataTypeCollection& type_collection(bool VarRef) const {
        return VarRef ? SD_DataTypeCollection : ProfileBody.DeviceFunction.DataTypeCollection;
    }
};

} // namespace kestrion
