#pragma once
#include "config/MultiByteText.h"

namespace quorbel::test {

// Makes the lead bytes of `codePage` the active ones for the lifetime of the object.
class CodePageScope {
public:
    explicit CodePageScope(unsigned codePage) : table_(LeadByteTable::ForCodePage(codePage))
    {
        SetActiveLeadBytes(&table_);
    }
    ~CodePageScope() { SetActiveLeadBytes(nullptr); }
    CodePageScope(const CodePageScope&) = delete;
    CodePageScope& operator=(const CodePageScope&) = delete;

private:
    LeadByteTable table_;
};

}  // namespace quorbel::test
