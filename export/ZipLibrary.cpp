#include "export/ZipLibrary.h"

#include "export/ExportCatalog.h"
#include "model/Catalog.h"

#include <dlfcn.h>

namespace varkel {

namespace {

struct Loaded {
    ZipLibrary functions;
    std::string failure;
    bool ok = false;
};

Loaded Load() {
    Loaded loaded;
    void* handle = dlopen(VARKEL_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        loaded.failure = Text(ExportMsg::ExportNoZipLibrary,
                              {VARKEL_LIBZIP_SONAME, why ? why : "", VARKEL_LIBZIP_PACKAGE});
        return loaded;
    }
    bool complete = true;
#define VARKEL_ZIP_RESOLVE(name)                                                                   \
    loaded.functions.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));             \
    if (!loaded.functions.name && complete) {                                                      \
        complete = false;                                                                          \
        loaded.failure = Text(ExportMsg::ExportNoZipLibrary,                                       \
                              {VARKEL_LIBZIP_SONAME, #name, VARKEL_LIBZIP_PACKAGE});               \
    }
    VARKEL_ZIP_FUNCTIONS(VARKEL_ZIP_RESOLVE)
#undef VARKEL_ZIP_RESOLVE
    // A complete library stays loaded for the rest of the run: the
    // functions are kept.
    if (!complete)
        dlclose(handle);
    loaded.ok = complete;
    return loaded;
}

} // namespace

const ZipLibrary* ZipLibrary::Get(std::string& failure) {
    static const Loaded loaded = Load();
    if (!loaded.ok) {
        failure = loaded.failure;
        return nullptr;
    }
    return &loaded.functions;
}

} // namespace varkel
