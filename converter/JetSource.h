#pragma once
// Reads a Jet 4 (.mdb) file through libmdb. The file is opened read-only and
// never written: libmdb's write support is incomplete.
#include "converter/TableSource.h"
#include <memory>

// What the first bytes of a file say it is.
enum class FileFormat { Jet4, Jet3, Ace, Sqlite, Other };
FileFormat detectFileFormat(const QByteArray& head);
QString fileFormatDescription(FileFormat format);

// A Jet date (days since 1899-12-30, the time of day as the fraction) as
// "YYYY-MM-DD HH:MM:SS", rounded to the second as Access shows it.
QString jetDateText(double value);

class JetSource : public TableSource {
public:
    // Raises ShellError when the file cannot be opened as a Jet 4 database.
    explicit JetSource(const QString& path);
    ~JetSource() override;
    JetSource(const JetSource&) = delete;
    JetSource& operator=(const JetSource&) = delete;

    const std::vector<SourceTable>& tables() const override { return tables_; }
    void readRows(const SourceTable& table, const RowHandler& handle) override;

private:
    struct Handle;  // libmdb's, which cannot be declared ahead
    std::unique_ptr<Handle> handle_;
    QString fileName_;
    std::vector<SourceTable> tables_;
};
