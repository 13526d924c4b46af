#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

// Every entry point the graphics library binds by name must be exported by
// the engine: a missing one would end the program at its first call.
TEST(EngineExports, EveryEntryPointTheLibraryBindsIsThere) {
    std::ifstream list(ZELVARO_TEST_DATA "/entry-points.txt");
    ASSERT_TRUE(list) << "the list of entry points";
    void* engine = dlopen("libzelvaro-gdiplus.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(engine, nullptr) << "the engine is linked into this test";
    std::string missing;
    int names = 0;
    for (std::string name; std::getline(list, name);) {
        if (name.empty()) continue;
        ++names;
        if (!dlsym(engine, name.c_str())) missing += name + " ";
    }
    dlclose(engine);
    EXPECT_GT(names, 300);
    EXPECT_EQ(missing, "") << "not exported";
}

}  // namespace
