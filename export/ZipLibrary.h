#pragma once
#include <zip.h>

#include <string>

namespace varkel {

// The zip library, loaded when a workbook is first read or written: the
// programs start without it (and without the compression and crypto
// libraries it brings) since most runs never touch a workbook.
// clang-format off
#define VARKEL_ZIP_FUNCTIONS(X) \
    X(zip_close) \
    X(zip_dir_add) \
    X(zip_discard) \
    X(zip_error_fini) \
    X(zip_error_init) \
    X(zip_error_init_with_code) \
    X(zip_error_strerror) \
    X(zip_fclose) \
    X(zip_file_add) \
    X(zip_file_strerror) \
    X(zip_fopen_index) \
    X(zip_fread) \
    X(zip_get_name) \
    X(zip_get_num_entries) \
    X(zip_open) \
    X(zip_open_from_source) \
    X(zip_source_buffer) \
    X(zip_source_buffer_create) \
    X(zip_source_close) \
    X(zip_source_error) \
    X(zip_source_free) \
    X(zip_source_keep) \
    X(zip_source_open) \
    X(zip_source_read) \
    X(zip_stat_index) \
    X(zip_strerror)
// clang-format on

struct ZipLibrary {
// NOLINTNEXTLINE(bugprone-macro-parentheses): name is a declarator
#define VARKEL_ZIP_MEMBER(name) decltype(&::name) name = nullptr;
    VARKEL_ZIP_FUNCTIONS(VARKEL_ZIP_MEMBER)
#undef VARKEL_ZIP_MEMBER

    // The library, loaded on the first call; nullptr with the reason in
    // failure when it cannot be loaded or lacks a function.
    static const ZipLibrary* Get(std::string& failure);
};

} // namespace varkel
