#include "lookup/clean.h"

#include <gtest/gtest.h>

#include "support/cases.h"

namespace sorvanta {
namespace {

TEST(CleanPassage, RemovesTagsWhiteSpaceAndTheFirstVerseNumber) {
    for (const test::CCase& c : test::ReadCases("clean.tsv"))
        EXPECT_EQ(CleanPassage(c["passage"], c["first"]), c["result"]) << c.Where();
}

}  // namespace
}  // namespace sorvanta
