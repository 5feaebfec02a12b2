#include <iostream>
#include <string>
#include <vector>

#include "cli/lookuptool.h"
#include "cli/options.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arrArgs(argv + 1, argv + argc);
    const sorvanta::COptionsResult parsed = sorvanta::ParseOptions(arrArgs);
    if (!parsed.m_strError.empty()) {
        std::cerr << "sorvanta-lookup: " << parsed.m_strError << "\n\n" << sorvanta::kLookupUsage;
        return sorvanta::kExitUsage;
    }
    if (parsed.m_options.m_bHelp) {
        std::cout << sorvanta::kLookupUsage;
        return 0;
    }
    return sorvanta::RunLookupTool(parsed.m_options, std::cin, std::cout, std::cerr);
}
