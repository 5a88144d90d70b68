#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "framework/PropertyStream.h"
#include "parabola/ArcsketcherLayout.h"
#include "parabola/GraphCanvasTable.h"
#include "polynomial/CurvesketcherLayout.h"
#include "polynomial/PolynomialValues.h"

// Writes every layout table of both windows, one file per table, into the folder
// given as the only argument: the fuzzer's seed corpus, made from the tables the
// program really applies.

namespace {

std::vector<std::pair<std::string, PropertyStream const*>> Tables()
{
    std::vector<std::pair<std::string, PropertyStream const*>> tables {
        { "arcsketcher-window", &Arcsketcher::WindowTable() },
        { "arcsketcher-formula", &Arcsketcher::FormulaTable() },
        { "arcsketcher-kslider", &Arcsketcher::KSliderTable() },
        { "arcsketcher-hslider", &Arcsketcher::HSliderTable() },
        { "arcsketcher-aslider", &Arcsketcher::ASliderTable() },
        { "arcsketcher-avalue", &Arcsketcher::AValueTable() },
        { "arcsketcher-hvalue", &Arcsketcher::HValueTable() },
        { "arcsketcher-kvalue", &Arcsketcher::KValueTable() },
        { "graph-canvas", &GraphCanvasTable() },
        { "curvesketcher-window", &Curvesketcher::WindowTable() },
        { "curvesketcher-formula", &Curvesketcher::FormulaTable() },
        { "curvesketcher-ordermenu", &Curvesketcher::OrderMenuTable() },
        { "curvesketcher-modemenu", &Curvesketcher::ModeMenuTable() },
    };
    for (std::int32_t i = 0; i < Curvesketcher::MemberCount; ++i) {
        tables.emplace_back("curvesketcher-valueslider-" + std::to_string(i), &Curvesketcher::ValueSliderTable(i));
        tables.emplace_back("curvesketcher-valuedisplay-" + std::to_string(i), &Curvesketcher::ValueDisplayTable(i));
    }
    return tables;
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::filesystem::path const folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot make %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    for (auto const& [name, table] : Tables()) {
        auto const path = folder / name;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<char const*>(table->data()), static_cast<std::streamsize>(table->size()));
        if (!file.flush()) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
