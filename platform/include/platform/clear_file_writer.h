#pragma once
// Puts the clear file on disk with QSaveFile: a temporary file in the same
// folder, flushed and renamed over the old one only when all went well.

#include <QSaveFile>
#include <QString>

#include "catalogue/save.h"

namespace kestrow {

class ClearFileWriter final : public ClearFileSink {
public:
    explicit ClearFileWriter(const QString& path);
    bool open() override;
    bool write(std::string_view bytes) override;
    bool commit() override;

private:
    QSaveFile file_;
};

// Saves through a ClearFileWriter at the catalogue's clear-file path.
SaveOutcome save_clear_file_to_disk(Catalogue& state);

}  // namespace kestrow
