#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace varkel {

// The parts of a workbook file (a zip package) held in memory, so that a
// few of them can be replaced and the whole written out as a new package
// with every other part unchanged.
class WorkbookPackage {
public:
    enum OpenResult {
        Opened = 0,
        CannotRead = 1, // missing, unreadable, a folder
        NotPackage = 2, // not a zip file, or damaged
        Encrypted = 3,  // a part needs a password
        TooLarge = 4,   // more data than the limit
    };
    // Everything held in memory is capped, so a hostile file cannot
    // exhaust it.
    static constexpr std::size_t kMaxTotalSize = std::size_t{256} * 1024 * 1024;
    // A template has a few dozen parts; a package claiming more than this
    // is refused rather than read entry by entry.
    static constexpr std::size_t kMaxParts = 10000;

    // Reads every part, all of them together at most maxTotalSize bytes;
    // detail gets the reason of a failure.
    OpenResult Open(const std::string& path, std::string& detail,
                    std::size_t maxTotalSize = kMaxTotalSize);
    // Builds the package from parts given in memory.
    void AddPart(const std::string& name, const std::string& data);

    // The data of a part, found by name as written or, failing that,
    // ignoring ASCII case as package part names are; nullptr when absent.
    const std::string* Part(const std::string& name) const;
    // Replaces a part's data; false when there is no such part.
    bool SetPart(const std::string& name, const std::string& data);
    bool RemovePart(const std::string& name);
    std::vector<std::string> PartNames() const;

    // The workbook part, from the package relationships; empty when the
    // package is no workbook.
    std::string WorkbookPart() const;
    // The part of the worksheet with that name, through the workbook's
    // sheet list and its relationships; empty when there is none.
    std::string FindSheet(const std::string& sheetName) const;
    // The names of the workbook's sheets in workbook order.
    std::vector<std::string> SheetNames() const;
    // Removes the calculation chain, its relationship and its content type:
    // it lists formula cells and must not name cells the export replaced.
    void DropCalcChain();

    // The whole package as zip data; false with a reason on failure.
    bool Write(std::string& bytes, std::string& detail) const;

    // Where a relationship target points, seen from the source part.
    static std::string ResolveTarget(const std::string& sourcePart, const std::string& target);
    // The relationships part of a part ("_rels/.rels" for the package).
    static std::string RelationshipsPart(const std::string& part);

private:
    struct Entry {
        std::string name;
        std::string data;
    };
    Entry* FindEntry(const std::string& name);
    const Entry* FindEntry(const std::string& name) const;
    // Target of the first relationship of the source part whose type ends
    // with the suffix; empty when none.
    std::string RelationshipTarget(const std::string& sourcePart,
                                   const std::string& typeSuffix) const;

    std::vector<Entry> entries_;
};

} // namespace varkel
