#include "cli/options.h"

#include <gtest/gtest.h>

namespace sorvanta {
namespace {

TEST(LookupOptions, AcceptsTheDocumentedForms) {
    const COptionsResult parsed = ParseOptions(
        {"--directory", "/m", "--module-index=2", "--encoding", "cp1251", "--null", "Ин 3:16", "--", "--list"});
    ASSERT_EQ(parsed.m_strError, "");
    const CLookupOptions& options = parsed.m_options;
    EXPECT_EQ(options.m_strDirectory, "/m");
    EXPECT_EQ(options.m_nModuleIndex, 2);
    EXPECT_TRUE(options.m_bCp1251Output);
    EXPECT_TRUE(options.m_bNullTerminated);
    EXPECT_FALSE(options.m_bList);
    EXPECT_EQ(options.m_arrReferences, (std::vector<std::string>{"Ин 3:16", "--list"}));
    EXPECT_EQ(ParseOptions({"--module=Библия"}).m_options.m_strModule, "Библия");
    EXPECT_TRUE(ParseOptions({"--list"}).m_options.m_bList);
    EXPECT_TRUE(ParseOptions({"-x"}).m_strError.empty());  // a single dash is a reference
}

}  // namespace
}  // namespace sorvanta
