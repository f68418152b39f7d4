/* The SDK header compiled as C (C11, all warnings as errors): its layout checks must hold here
 * too, and the C compiler's offsets and sizes of every record field go to tst_SdkRecords, which
 * compares them with the C++ compiler's and the expected ones. */
#include "sdk/vyro_api.h"

typedef struct SdkCFieldLayout
{
    const char *record;
    const char *field; /* empty: the record as a whole */
    size_t offset;
    size_t size;
} SdkCFieldLayout;

#define VY_RECORD(type, size, tailPadding) {#type, "", 0, sizeof(type)},
#define VY_FIELD(type, field, offset, size)                                                        \
    {#type, #field, offsetof(type, field), sizeof(((type *)0)->field)},

const SdkCFieldLayout sdkCFieldLayouts[] = {
#include "tests/sdk/sdkrecords.def"
};

#undef VY_RECORD
#undef VY_FIELD

const size_t sdkCFieldLayoutCount = sizeof sdkCFieldLayouts / sizeof sdkCFieldLayouts[0];
