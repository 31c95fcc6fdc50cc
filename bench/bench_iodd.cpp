// IODD reading against its floor, a bare pugixml parse of the same bytes, in one run:
// the full decode of a large device, and the quick listing of a catalog of 300 files.
// Prints the two ratios at the end.
#include "iodd/IoddCatalog.h"
#include "iodd/TIODD.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>

namespace {

using namespace kestrion;

// A device with `variables` record variables (three items each, with permitted values),
// a text for every name, menus and process data: about 1 KB per variable.
std::string synthetic_iodd(int variables) {
    std::string v, texts, menus;
    v.reserve(static_cast<std::size_t>(variables) * 800);
    texts.reserve(static_cast<std::size_t>(variables) * 400);
    for (int i = 0; i < variables; ++i) {
        const std::string id = "V_Param" + std::to_string(i);
        v += "<Variable id=\"" + id + "\" index=\"" + std::to_string(64 + i % 30000) +
             "\" accessRights=\"rw\" defaultValue=\"0\">"
             "<Datatype xsi:type=\"RecordT\" bitLength=\"48\" subindexAccessSupported=\"true\">";
        for (int k = 1; k <= 3; ++k) {
            const std::string item = "TN_" + id + "_" + std::to_string(k);
            v += "<RecordItem subindex=\"" + std::to_string(k) + "\" bitOffset=\"" +
                 std::to_string(48 - 16 * k) +
                 "\"><SimpleDatatype xsi:type=\"UIntegerT\" bitLength=\"16\">"
                 "<ValueRange lowerValue=\"0\" upperValue=\"1000\"/></SimpleDatatype>"
                 "<Name textId=\"" +
                 item + "\"/></RecordItem>";
            texts += "<Text id=\"" + item + "\" value=\"Item " + std::to_string(k) +
                     " of parameter " + std::to_string(i) + "\"/>";
        }
        v += "</Datatype><Name textId=\"TN_" + id + "\"/><Description textId=\"TD_" + id +
             "\"/></Variable>";
        texts += "<Text id=\"TN_" + id + "\" value=\"Parameter " + std::to_string(i) +
                 "\"/><Text id=\"TD_" + id + "\" value=\"Description of parameter " +
                 std::to_string(i) + ", with some words of explanation for the user\"/>";
        if (i % 50 == 0) menus += "<Menu id=\"M_" + std::to_string(i) + "\">";
        menus += "<VariableRef variableId=\"" + id + "\" gradient=\"0.1\" offset=\"0\"/>";
        if (i % 50 == 49 || i == variables - 1) menus += "</Menu>";
    }
    return R"(<?xml version="1.0" encoding="utf-8"?>
<IODevice xmlns="http://www.io-link.com/IODD/2010/10" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<ProfileHeader><ProfileRevision>1.1</ProfileRevision></ProfileHeader><ProfileBody>
<DeviceIdentity vendorId="1" vendorName="Bench Vendor" deviceId="2"><DeviceName textId="TI_Name"/></DeviceIdentity>
<DeviceFunction><Features blockParameter="true" dataStorage="true"/>
<VariableCollection><StdVariableRef id="V_SystemCommand"/>)" +
           v + R"(</VariableCollection><ProcessDataCollection><ProcessData id="PD">
<ProcessDataIn id="PDI" bitLength="16"><Datatype xsi:type="UIntegerT" bitLength="16"/></ProcessDataIn>
</ProcessData></ProcessDataCollection><UserInterface><MenuCollection>)" +
           menus + R"(</MenuCollection></UserInterface></DeviceFunction></ProfileBody>
<CommNetworkProfile><TransportLayers><PhysicalLayer bitrate="COM2" minCycleTime="2300"/></TransportLayers></CommNetworkProfile>
<ExternalTextCollection><PrimaryLanguage xml:lang="en"><Text id="TI_Name" value="Bench device"/>)" +
           texts + "</PrimaryLanguage></ExternalTextCollection></IODevice>";
}

// Lays a compact document out the way device files are written: one element per line,
// indented with tabs, lines ending in CR LF.
std::string indented(const std::string& compact) {
    std::string out;
    out.reserve(compact.size() * 3 / 2);
    int depth = 0;
    for (std::size_t i = 0; i < compact.size();) {
        if (compact[i] != '<') {
            out += compact[i++];
            continue;
        }
        const std::size_t end = compact.find('>', i);
        const bool closing = compact[i + 1] == '/';
        const bool opening = !closing && compact[i + 1] != '?' && compact[end - 1] != '/';
        if (closing) --depth;
        // A closing tag right after text stays on the text's line.
        if (i > 0 && compact[i - 1] == '>') out += "\r\n" + std::string(std::max(depth, 0), '\t');
        out.append(compact, i, end + 1 - i);
        if (opening) ++depth;
        i = end + 1;
    }
    return out;
}

const std::string& large_iodd() {
    static const std::string bytes = [] {
        int n = 1000;
        std::string s = synthetic_iodd(n);
        while (s.size() < 5u << 20)
            s = synthetic_iodd(n += 500);
        return s;
    }();
    return bytes;
}

// 300 device files of 20 to 150 variables in a scratch folder, removed at exit.
struct CatalogFolder {
    std::filesystem::path path;
    CatalogFolder() {
        path = std::filesystem::temp_directory_path() /
               ("kestrion-bench-catalog-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path);
        for (int i = 0; i < 300; ++i)
            std::ofstream(path / ("device-" + std::to_string(i) + ".xml"), std::ios::binary)
                << indented(synthetic_iodd(20 + i % 131));
    }
    ~CatalogFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

const CatalogFolder& catalog() {
    static const CatalogFolder folder;
    return folder;
}

void BM_Iodd_BareParse(benchmark::State& state) {
    const std::string& bytes = large_iodd();
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_Iodd_Decode(benchmark::State& state) {
    const std::string& bytes = large_iodd();
    for (auto _ : state) {
        TIODD iodd;
        iodd.StandardDef_Path = std::filesystem::path(KESTRION_SHARED_DIR) / "iodd" / "stddef";
        if (!iodd.Decode_IODD_Bytes(bytes, false)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(iodd);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// The largest real device file at hand, when the samples are beside the checkout.
const std::string& real_iodd() {
    static const std::string bytes = [] {
        std::ifstream in(std::filesystem::path(KESTRION_SHARED_DIR) / "iodd" /
                             "Balluff-BCM_R15E-002-DI00-20200327-IODD1.1.xml",
                         std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    return bytes;
}

void BM_Real_BareParse(benchmark::State& state) {
    const std::string& bytes = real_iodd();
    if (bytes.empty()) state.SkipWithError("no sample file");
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default));
    }
}

void BM_Real_Decode(benchmark::State& state) {
    const std::string& bytes = real_iodd();
    if (bytes.empty()) state.SkipWithError("no sample file");
    for (auto _ : state) {
        TIODD iodd;
        iodd.StandardDef_Path = std::filesystem::path(KESTRION_SHARED_DIR) / "iodd" / "stddef";
        if (!iodd.Decode_IODD_Bytes(bytes, false)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(iodd);
    }
}

void BM_Catalog_BareParse(benchmark::State& state) {
    const auto& folder = catalog().path;
    for (auto _ : state)
        for (const std::string& name : catalog_file_names(folder)) {
            pugi::xml_document doc;
            benchmark::DoNotOptimize(doc.load_file((folder / name).c_str(), pugi::parse_default));
        }
}

void BM_Catalog_Read(benchmark::State& state) {
    const auto& folder = catalog().path;
    for (auto _ : state) {
        const auto entries = Read_Catalog(folder);
        if (entries.size() != 300 || entries.front().Vendor.empty())
            state.SkipWithError("listing failed");
    }
}

KESTRION_BENCH(BM_Iodd_BareParse);
KESTRION_BENCH(BM_Iodd_Decode);
KESTRION_BENCH(BM_Real_BareParse);
KESTRION_BENCH(BM_Real_Decode);
KESTRION_BENCH(BM_Catalog_BareParse);
KESTRION_BENCH(BM_Catalog_Read);


} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("Large IODD: %.1f MB\n", static_cast<double>(large_iodd().size()) / (1 << 20));
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.print_ratio("IODD full decode / bare parse (5 MB):", "BM_Iodd_Decode", "BM_Iodd_BareParse", 1.5);
    reporter.print_ratio("Real IODD full decode / bare parse (280 KB):", "BM_Real_Decode", "BM_Real_BareParse");
    reporter.print_ratio("Catalog listing / bare parses (300 files):", "BM_Catalog_Read", "BM_Catalog_BareParse", 1.5);
    return 0;
}
