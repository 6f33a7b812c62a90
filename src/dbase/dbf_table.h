#pragma once
// A dBase III table (.dbf, with its .dbt memo file when it has memo fields), opened whole.
//
// Field texts are held in the file in the Windows ANSI code page and handed out in code
// page 850 (and taken back in code page 850); numbers are texts in "." notation. Fields are
// addressed by position (1-based) or by name (case-insensitive). Records have physical
// numbers 1..RecordCount(); navigation (First/Next/Prior/Last) follows the active index
// order, or the physical order without one, and skips records marked as deleted while
// deleted records are hidden.
//
// Every change reaches the file at once and as a whole: the new table is written beside
// the old one and renamed over it when complete, so a crash or a full disk leaves the old
// table or the new one, never a mixture. A change that cannot be written is undone in
// memory as well. Every operation sets ErrorCode() (0 = fine) and ErrorText().
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kalo {

enum DbfError {
  kDbfOk = 0,
  kDbfNotOpen = 1,           // no table open
  kDbfCannotRead = 2,        // the file is missing or cannot be read
  kDbfNotDbase = 3,          // not a dBase III table
  kDbfDamaged = 4,           // header and file size or field list do not agree
  kDbfUnknownFieldType = 5,  // a field of a type this engine does not know
  kDbfMemoMissing = 6,       // memo fields without their .dbt file
  kDbfNoFields = 7,          // a table without fields
  kDbfCannotWrite = 8,       // the table (or the folder) cannot be written; nothing changed
  kDbfNoRecord = 9,          // no such record, or no current record
  kDbfNoField = 10,          // no such field
  kDbfBadValue = 11,         // a value that does not suit the field (number, date, width)
  kDbfMemoReadOnly = 12,     // memo fields are shown, not changed
  kDbfDelimitedUnreadable = 13,  // a delimited text file that cannot be read
};

class DbfTable {
 public:
  DbfTable();
  ~DbfTable();
  DbfTable(const DbfTable&) = delete;
  DbfTable& operator=(const DbfTable&) = delete;

  // Opens the table (a closed one first); false with the error set leaves it closed.
  // The file is checked before anything is read from it and never changed by opening.
  bool Open(const std::string& path);
  // Closes the table; edits not posted are dropped.
  void Close();
  bool IsOpen() const;

  int ErrorCode() const { return errorCode_; }
  // Why the last operation failed, in code page 850; empty after success.
  const std::string& ErrorText() const { return errorText_; }
  // The path given to Open, or empty.
  const std::string& FileName() const { return path_; }

  // Fields.
  int FieldCount() const;
  // Name of field n (1-based), or empty when there is none.
  std::string FieldName(int n) const;
  // 1-based position of the field of that name (case-insensitive), or 0.
  int FieldIndex(const std::string& name) const;
  int FieldWidth(int n) const;

  // Records.
  int RecordCount() const;  // deleted records included
  // Physical number of the current record, 0 when there is none (empty table).
  int RecNo() const { return current_; }
  // Makes physical record n current (also a hidden deleted one); false when out of range.
  bool Go(int n);
  // In index order, skipping hidden deleted records. Next on the last record and Prior on
  // the first keep the record and set Eof() or Bof(); on an empty view both are set.
  void First();
  void Last();
  void Next();
  void Prior();
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  // Position of the current record among the records shown (1-based; 0 without one), and
  // how many records are shown: the record count less hidden deleted ones.
  int ViewPosition() const;
  int ViewCount() const;
  // Physical number of the record at view position p (1-based), or 0.
  int ViewRecord(int p) const;
  void SetHideDeleted(bool hide);

  // Field values of the current record, as edited but not yet posted.
  std::string FieldText(int n) const;
  std::string FieldText(const std::string& name) const;
  // Field n of any record (physical number), for showing many records at once.
  std::string RecordFieldText(int record, int n) const;
  bool RecordDeleted(int record) const;
  bool FieldBool(const std::string& name) const;
  // Field writes go to the current record's edit buffer; Post writes them to the file, and
  // so does every operation that leaves the record or changes the table.
  // Texts longer than the field are cut; numbers take "," or "."; logical fields take
  // T/Y/J/1 or F/N/0; dates YYYYMMDD. False (buffer unchanged) for a value that does not
  // fit, a memo field or no current record.
  bool SetFieldText(int n, const std::string& text);
  bool SetFieldText(const std::string& name, const std::string& text);
  bool SetFieldBool(const std::string& name, bool value);
  // Edits not yet posted.
  bool Modified() const { return editing_; }
  // Writes pending field edits to the file; true also when nothing was pending.
  bool Post();
  // Drops pending field edits.
  void Cancel();
  // Adds an empty record at the end, writes it and makes it current.
  bool Append();

  // Marks the current record as deleted (written at once). With deleted records hidden,
  // the next record shown becomes current (or the previous one at the end).
  bool Delete();
  bool IsDeleted() const;
  // Removes the records marked as deleted; the first record becomes current.
  bool Pack();

  // An order on field n's values (numbers by value, texts by their stored characters,
  // equal keys in physical order), kept up to date by every change until ClearIndex.
  bool CreateIndex(int n);
  void ClearIndex();

  // Finds the text in any field (memo fields excepted), ignoring case, in the order shown,
  // from the first record or from the record after the current one. Found: that record is
  // current. Not found: false, the current record stays.
  bool Search(const std::string& text, bool fromNext);

  // Delimited text: one line per record shown (CR LF), fields separated by ",", character
  // fields in double quotes (a quote inside doubled), numbers and dates bare, logical T/F,
  // memo fields left out; field texts in the table's own code page.
  bool ExportDelimited(const std::string& path);
  // Appends the records of a delimited text file, fields matched by position.
  bool AppendDelimited(const std::string& path);
  // Appends the records of another table not marked as deleted, fields matched by name.
  bool AppendTable(const std::string& path);

 private:
  struct Image;
  bool Fail(int code, const std::string& text) const;
  bool Succeed() const;
  bool CheckOpen() const;
  bool CheckRecord() const;
  bool CheckField(int n) const;
  // Posts pending edits before the current record changes.
  bool LeaveRecord();
  // Applies a change to the table in memory and writes the table; a change that fails or
  // cannot be written is undone.
  template <typename Apply>
  bool Change(Apply apply);
  std::string_view Record(int record) const;
  std::string_view StoredField(int record, int n) const;
  bool RecordShown(int record) const;
  void RebuildOrder();
  void MoveTo(int record);
  void SettleOnShownRecord();
  // The first record shown at or after (step 1) or before (step -1) order position from.
  int ShownFrom(int from, int step) const;

  std::unique_ptr<Image> image_;
  std::string path_;
  int current_ = 0;
  bool eof_ = true;
  bool bof_ = true;
  bool hideDeleted_ = false;
  int indexField_ = 0;
  std::vector<int> order_;          // physical numbers in index order
  std::vector<int> orderPosition_;  // physical number -> position in order_
  std::vector<int> view_;           // physical numbers shown, in order
  std::vector<int> viewPosition_;   // physical number -> 1-based position in view_, or 0
  std::vector<std::string> edits_;  // stored field values of the current record being edited
  bool editing_ = false;
  mutable int errorCode_ = 0;
  mutable std::string errorText_;
};

}  // namespace kalo
