#include "importers/klaimport.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "importers/plainwords.h"
#include "model/conversions.h"
#include "text/fields.h"
#include "text/numtext.h"

namespace solvane {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool contains(std::string_view text, std::string_view what) { return text.find(what) != std::string_view::npos; }

// A field of a minus sign at most and one to nine digits, as nearly every index, ID and count is
// written, or nothing for any other field (which may still be a number).
[[gnu::always_inline]] inline std::optional<int> plainWhole(std::string_view field)
{
    const char* p = field.data();
    const char* const end = p + field.size();
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    if (p == end || end - p > 9) return std::nullopt;
    int whole = 0;
    for (; p < end; ++p) {
        if (*p < '0' || *p > '9') return std::nullopt;
        whole = whole * 10 + (*p - '0');
    }
    return negative ? -whole : whole;
}

// A whole number as the file writes indices and IDs: any number, rounded half to even (as the
// 16-bit conversion always did), that fits 16 bits.
[[gnu::always_inline]] inline std::optional<std::int16_t> parseInt16(std::string_view field)
{
    const auto whole = plainWhole(field);
    if (whole && *whole >= std::numeric_limits<std::int16_t>::min() &&
        *whole <= std::numeric_limits<std::int16_t>::max())
        return static_cast<std::int16_t>(*whole);
    const auto value = parseNumberField(field);
    if (!value || std::fabs(*value) > 1e6) return std::nullopt;
    const long long rounded = roundHalfEven(*value);
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::string_view withoutQuotes(std::string_view word)
{
    if (word.size() >= 2 && word.front() == '"' && word.back() == '"') return word.substr(1, word.size() - 2);
    if (!word.empty() && word.front() == '"') return word.substr(1);
    return word;
}

struct Line {
    std::string_view text;
    int number = 0;
};

// Splits text into lines ended by CR LF, LF or CR; the last line may lack its end. Each line end
// is found in one scan for either byte, sixteen bytes a step.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text), steps_(text, ' ') {}

    std::optional<Line> next()
    {
        if (pos_ >= text_.size()) return std::nullopt;
        const std::size_t end = lineEnd(pos_);
        const Line line{text_.substr(pos_, end - pos_), ++number_};
        pos_ = end + (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n' ? 2 : 1);
        return line;
    }

    int lastNumber() const { return number_; }

private:
    // Position of the first CR or LF at or after from, or the text's size.
    std::size_t lineEnd(std::size_t from)
    {
        for (std::size_t at = from; at < text_.size(); at += ByteStep) {
            const std::uint32_t ends = bytesMatching(steps_.at(at), '\r', '\n');
            if (ends != 0) return at + static_cast<std::size_t>(__builtin_ctz(ends));
        }
        return text_.size();
    }

    std::string_view text_;
    ByteSteps steps_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

enum class TokenKind { Word, Semicolon, End };

struct Token {
    TokenKind kind;
    std::string_view text;
};

// The characters that end an unquoted word.
bool endsWord(char c) { return isBlank(c) || c == ';'; }

// The next token of a line from col: a word (a quoted text is one word, quotes included, so a ";"
// inside it ends nothing), a ";" or the end of the line.
Token nextToken(std::string_view line, std::size_t& col)
{
    // Scanned with a local index: through the reference every step would be a store.
    const std::size_t size = line.size();
    std::size_t i = col;
    while (i < size && isBlank(line[i])) ++i;
    const std::size_t start = i;
    TokenKind kind = TokenKind::Word;
    if (i >= size) {
        kind = TokenKind::End;
    } else if (line[i] == ';') {
        kind = TokenKind::Semicolon;
        ++i;
    } else if (line[i] == '"') {
        const std::size_t close = line.find('"', i + 1);
        i = close == std::string_view::npos ? size : close + 1;
    } else {
        while (i < size && !endsWord(line[i])) ++i;
    }
    col = i;
    return {kind, line.substr(start, i - start)};
}

enum class Keyword { Other, SampleCenterLocation, DiePitch, DefectRecordSpec, DefectList, WaferID, Slot };

Keyword classify(std::string_view word)
{
    if (word == "SampleCenterLocation") return Keyword::SampleCenterLocation;
    if (word == "DiePitch") return Keyword::DiePitch;
    if (word == "DefectRecordSpec") return Keyword::DefectRecordSpec;
    if (word == "DefectList") return Keyword::DefectList;
    if (word == "WaferID") return Keyword::WaferID;
    if (word == "Slot") return Keyword::Slot;
    return Keyword::Other;
}

// Real record specs name about twenty columns; the words of a longer one are not kept.
constexpr std::size_t MaxRecordSpecColumns = 1000;

// Words kept of a record: all the names of a record spec (with its count, and one more to tell
// that it is too long); the other records use two at most.
std::size_t keptWords(Keyword keyword) { return keyword == Keyword::DefectRecordSpec ? MaxRecordSpecColumns + 2 : 2; }

// Slots of the defect fields the import takes, in the fixed column order.
enum Slot { IdSlot, XRelSlot, YRelSlot, XIndexSlot, YIndexSlot, Real6Slot, Real7Slot, Real8Slot, SlotCount };
constexpr std::array<std::string_view, 5> SlotNames = {"DEFECTID", "XREL", "YREL", "XINDEX", "YINDEX"};

struct Geometry {
    double centreX = 0.0;
    double centreY = 0.0;
    double pitchX = 0.0;
    double pitchY = 0.0;
};

// Where each taken field sits in a defect record.
struct ColumnLayout {
    bool known = false;  // a DefectRecordSpec has been read
    bool named = false;  // false: the fixed order, one line a defect
    int fieldCount = 0;
    int imageListPos = -1;
    std::vector<int> slotAt;     // slot of each field position, -1 for fields not taken
    std::vector<long> passable;  // fields from each position on that nothing is taken from (see below)
    unsigned required = 0;       // bit mask of the slots a defect must have
};

// The words of a defect taken so far: the ones the import reads, by slot, and where the next goes.
struct DefectWords {
    std::array<std::string_view, SlotCount> slots{};
    unsigned filled = 0;  // bit mask of the slots given
    int fieldPos = 0;
    long imageWordsLeft = 0;  // words of IMAGELIST pairs still to come

    // Ready for the next defect. A slot is read only where filled has its bit, so the slots stay
    // as they are: wiping them for every defect cost more than reading its line.
    void restart()
    {
        filled = 0;
        fieldPos = 0;
        imageWordsLeft = 0;
    }
};

enum class WordTaken { More, Complete, BadImageCount };

// Takes the next word of a defect by the layout. A defect of named columns is complete after its last
// column and image pairs; one of the fixed order only ends with its line.
// The number of IMAGELIST pairs a word gives, or nothing when it is no whole count.
std::optional<long> imagePairCount(std::string_view word)
{
    constexpr long MaxPairs = 100000;
    if (const auto plain = plainWhole(word)) {
        if (*plain < 0 || *plain > MaxPairs) return std::nullopt;
        return *plain;
    }
    const auto count = parseNumberField(word);
    if (!count || *count < 0 || *count > MaxPairs || std::floor(*count) != *count) return std::nullopt;
    return static_cast<long>(*count);
}

// Inline: the sweep over plain defect lines calls it for every word.
inline WordTaken takeDefectWord(const ColumnLayout& layout, DefectWords& defect, std::string_view word)
{
    if (!layout.named) {
        if (defect.fieldPos < SlotCount) {
            defect.slots[static_cast<std::size_t>(defect.fieldPos)] = word;
            defect.filled |= 1u << defect.fieldPos;
        }
        ++defect.fieldPos;
        return WordTaken::More;
    }
    if (defect.imageWordsLeft > 0) {
        if (--defect.imageWordsLeft == 0) ++defect.fieldPos;
    } else if (defect.fieldPos == layout.imageListPos) {
        const auto count = imagePairCount(word);
        if (!count) return WordTaken::BadImageCount;
        defect.imageWordsLeft = 2 * *count;
        if (defect.imageWordsLeft == 0) ++defect.fieldPos;
    } else {
        const int slot = layout.slotAt[static_cast<std::size_t>(defect.fieldPos)];
        if (slot >= 0) {
            defect.slots[static_cast<std::size_t>(slot)] = word;
            defect.filled |= 1u << slot;
        }
        ++defect.fieldPos;
    }
    return defect.fieldPos == layout.fieldCount && defect.imageWordsLeft == 0 ? WordTaken::Complete : WordTaken::More;
}

// How many of a defect's next words takeDefectWord would only count: columns not taken, image
// pairs and whatever follows the fixed order's slots, short of the word that completes the defect.
long passableWords(const ColumnLayout& layout, const DefectWords& defect)
{
    if (!layout.named) return defect.fieldPos < SlotCount ? 0 : std::numeric_limits<long>::max();
    if (defect.imageWordsLeft > 0) return defect.imageWordsLeft - 1;
    return layout.passable[static_cast<std::size_t>(defect.fieldPos)];
}

// Counts words passed over as takeDefectWord would have.
void passWords(const ColumnLayout& layout, DefectWords& defect, long count)
{
    if (layout.named && defect.imageWordsLeft > 0)
        defect.imageWordsLeft -= count;
    else
        defect.fieldPos += static_cast<int>(count);
}

// One pass over a results file: lists its wafers and, for the chosen one, checks and stores the
// defects. The file's layout is checked for every wafer, so a damaged file is refused whichever
// wafer is asked for.
class KlaParser {
public:
    KlaParser(std::string_view text, std::size_t chosen, DefectStore* store)
        : text_(text), chosen_(chosen), store_(store)
    {}

    KlaImportResult run();
    Geometry chosenGeometry() const { return chosenGeometry_; }

private:
    enum class State { Top, InRecord, InDefectList };

    void fail(int line, const std::string& what);
    void handleLine(const Line& line);
    void scanRecords(const Line& line, std::size_t col);
    void finishRecord(int line);
    void applyRecordSpec(int line);
    void beginDefectList(int line);
    void scanDefectList(const Line& line, std::size_t col);
    void readDefectTokens(const Line& line, std::size_t col);
    bool plainDefectLine(const Line& line, std::size_t col);
    void defectWord(std::string_view word, int line);
    void defectLineEnd();
    void finishDefect();
    void endDefectList(int line);
    void closeWafer(int line, bool atEnd);
    bool choosing() const { return currentWafer_ == chosen_; }
    int defectNumber() const { return result_.wafers[currentWafer_].DefectCount; }

    std::string_view text_;
    std::size_t chosen_;
    DefectStore* store_;
    KlaImportResult result_;
    bool failed_ = false;
    bool stopped_ = false;

    State state_ = State::Top;
    Keyword recordKeyword_ = Keyword::Other;
    int recordLine_ = 0;
    std::vector<std::string_view> words_;

    Geometry current_;
    Geometry chosenGeometry_;
    ColumnLayout layout_;

    std::size_t currentWafer_ = 0;
    bool waferHadList_ = false;
    bool summaryPending_ = false;
    int listLine_ = 0;

    // The defect being put together.
    bool open_ = false;
    bool ignoreRestOfLine_ = false;
    int defectLine_ = 0;
    DefectWords defect_;
};

void KlaParser::fail(int line, const std::string& what)
{
    if (failed_) return;
    failed_ = true;
    result_.status = ImportStatus::Damaged;
    result_.message = "The file is damaged at line " + std::to_string(line) + ": " + what + ".";
}

KlaImportResult KlaParser::run()
{
    LineReader lines(withoutByteOrderMark(text_));

    const auto first = lines.next();
    std::string_view firstField = first ? first->text : std::string_view{};
    while (!firstField.empty() && firstField.front() == ' ') firstField.remove_prefix(1);
    if (firstField.substr(0, 11) != "FileVersion") {
        result_.status = ImportStatus::InvalidFileType;
        result_.message = firstField.substr(0, 6) == "Record"
                              ? "The file uses the nested \"Record\" layout of version 1.8, which cannot be imported; "
                                "a results file must begin with FileVersion."
                              : "The file is not a results file: it does not begin with FileVersion.";
        return result_;
    }

    result_.wafers.emplace_back();
    scanRecords(*first, 0);
    while (!failed_ && !stopped_) {
        const auto line = lines.next();
        if (!line) break;
        handleLine(*line);
    }
    if (failed_) return result_;

    const int last = lines.lastNumber();
    if (state_ == State::InDefectList) {
        fail(last, "the file ends inside the defect list that begins at line " + std::to_string(listLine_));
        return result_;
    }
    if (state_ == State::InRecord) finishRecord(last);
    closeWafer(last, true);
    return result_;
}

void KlaParser::handleLine(const Line& line)
{
    if (state_ == State::InDefectList) {
        if (plainDefectLine(line, 0)) return;
        if (contains(line.text, "Summary")) {
            endDefectList(line.number);
            if (failed_) return;
        } else if (contains(line.text, "EndOfFile")) {
            fail(line.number,
                 "EndOfFile comes inside the defect list that begins at line " + std::to_string(listLine_));
            return;
        } else {
            readDefectTokens(line, 0);
            return;
        }
    }
    if (contains(line.text, "EndOfFile")) {
        if (state_ == State::InRecord) finishRecord(line.number);
        state_ = State::Top;
        stopped_ = true;
        return;
    }
    if (contains(line.text, "Summary")) summaryPending_ = false;
    if (state_ == State::InRecord) {
        // A keyword this import acts on starts its own record even when the one before lacks its ";".
        std::size_t col = 0;
        const Token token = nextToken(line.text, col);
        if (token.kind == TokenKind::Word && classify(token.text) != Keyword::Other) {
            finishRecord(line.number);
            state_ = State::Top;
        }
    }
    scanRecords(line, 0);
}

void KlaParser::scanRecords(const Line& line, std::size_t col)
{
    while (!failed_) {
        const Token token = nextToken(line.text, col);
        if (token.kind == TokenKind::End) return;
        if (state_ == State::Top) {
            if (token.kind == TokenKind::Semicolon) continue;  // an empty record
            recordKeyword_ = classify(token.text);
            recordLine_ = line.number;
            words_.clear();
            if (recordKeyword_ == Keyword::DefectList) {
                beginDefectList(line.number);
                if (!failed_) scanDefectList(line, col);
                return;
            }
            state_ = State::InRecord;
            continue;
        }
        if (token.kind == TokenKind::Semicolon) {
            finishRecord(line.number);
            state_ = State::Top;
        } else if (recordKeyword_ != Keyword::Other && words_.size() < keptWords(recordKeyword_)) {
            words_.push_back(token.text);
        }
    }
}

void KlaParser::finishRecord(int line)
{
    switch (recordKeyword_) {
    case Keyword::SampleCenterLocation:
    case Keyword::DiePitch: {
        const auto x = words_.size() >= 2 ? parseNumberField(words_[0]) : std::nullopt;
        const auto y = words_.size() >= 2 ? parseNumberField(words_[1]) : std::nullopt;
        const bool centre = recordKeyword_ == Keyword::SampleCenterLocation;
        if (!x || !y) {
            fail(recordLine_, std::string(centre ? "SampleCenterLocation" : "DiePitch") + " needs two numbers");
            return;
        }
        (centre ? current_.centreX : current_.pitchX) = *x;
        (centre ? current_.centreY : current_.pitchY) = *y;
        break;
    }
    case Keyword::DefectRecordSpec: applyRecordSpec(recordLine_); break;
    case Keyword::WaferID:
        if (waferHadList_) {
            closeWafer(line, false);
            if (failed_) return;
            result_.wafers.emplace_back();
            ++currentWafer_;
            waferHadList_ = false;
        }
        result_.wafers[currentWafer_].WaferID = words_.empty() ? std::string() : std::string(withoutQuotes(words_[0]));
        break;
    case Keyword::Slot:
        result_.wafers[currentWafer_].Slot = words_.empty() ? std::string() : std::string(withoutQuotes(words_[0]));
        break;
    case Keyword::DefectList:
    case Keyword::Other: break;
    }
    recordKeyword_ = Keyword::Other;
}

void KlaParser::applyRecordSpec(int line)
{
    std::size_t first = 0;
    if (!words_.empty() && parseNumberField(words_[0])) first = 1;  // the declared count
    const std::size_t names = words_.size() - first;
    if (names > MaxRecordSpecColumns) {
        fail(line, "the DefectRecordSpec names more than " + std::to_string(MaxRecordSpecColumns) + " columns");
        return;
    }

    std::array<int, SlotNames.size()> position;
    position.fill(-1);
    int imageList = -1;
    bool anyNamed = false;
    for (std::size_t i = 0; i < names; ++i) {
        const std::string_view name = words_[first + i];
        if (name == "IMAGELIST" && imageList < 0) imageList = static_cast<int>(i);
        for (std::size_t s = 0; s < SlotNames.size(); ++s) {
            if (name == SlotNames[s] && position[s] < 0) {
                position[s] = static_cast<int>(i);
                anyNamed = true;
            }
        }
    }

    layout_ = ColumnLayout{};
    layout_.known = true;
    if (!anyNamed) {
        // No column names to go by: the fixed order, one line a defect.
        layout_.required = (1u << IdSlot) | (1u << XRelSlot) | (1u << YRelSlot) | (1u << XIndexSlot) |
                           (1u << YIndexSlot);
        return;
    }
    for (std::size_t s = XRelSlot; s <= YIndexSlot; ++s) {
        if (position[s] < 0) {
            fail(line, "the DefectRecordSpec names no " + std::string(SlotNames[s]) + " column");
            return;
        }
    }
    layout_.named = true;
    layout_.fieldCount = static_cast<int>(names);
    layout_.imageListPos = imageList;
    layout_.slotAt.assign(names, -1);
    for (std::size_t s = 0; s < SlotNames.size(); ++s) {
        if (position[s] < 0) continue;
        layout_.slotAt[static_cast<std::size_t>(position[s])] = static_cast<int>(s);
        layout_.required |= 1u << s;
    }
    // Runs of columns not taken, counted back from the last column, which completes a defect.
    layout_.passable.assign(names, 0);
    for (std::size_t i = names - 1; i-- > 0;) {
        const bool taken = layout_.slotAt[i] >= 0 || static_cast<int>(i) == imageList;
        layout_.passable[i] = taken ? 0 : layout_.passable[i + 1] + 1;
    }
}

void KlaParser::beginDefectList(int line)
{
    waferHadList_ = true;
    summaryPending_ = true;
    listLine_ = line;
    if (choosing()) chosenGeometry_ = current_;
    state_ = State::InDefectList;
    open_ = false;
    ignoreRestOfLine_ = false;
}

void KlaParser::scanDefectList(const Line& line, std::size_t col)
{
    if (!plainDefectLine(line, col)) readDefectTokens(line, col);
}

void KlaParser::readDefectTokens(const Line& line, std::size_t col)
{
    while (!failed_) {
        const Token token = nextToken(line.text, col);
        if (token.kind == TokenKind::End) {
            defectLineEnd();
            return;
        }
        if (token.kind == TokenKind::Semicolon) {
            endDefectList(line.number);
            if (!failed_) scanRecords(line, col);
            return;
        }
        defectWord(token.text, line.number);
    }
}

// Nearly every defect lies whole on a line of plain words, no quoted word and no ";" among them:
// such a line is read here in one sweep, as the token rules and defectWord would read it, and the
// defect stored. Any other line gives false with no defect opened, for the token rules to read.
bool KlaParser::plainDefectLine(const Line& line, std::size_t col)
{
    if (open_ || ignoreRestOfLine_ || !layout_.known) return false;
    const PlainWords words(line.text.substr(col), text_.data() + text_.size());
    if (!words.swept()) return false;
    // No defect is open here, so defect_ is free to fill; it counts only once the line is taken.
    DefectWords& defect = defect_;
    defect.restart();
    WordTaken taken = WordTaken::More;
    for (std::size_t next = 0; taken == WordTaken::More;) {
        const auto passing = std::min(static_cast<std::size_t>(passableWords(layout_, defect)), words.count() - next);
        passWords(layout_, defect, static_cast<long>(passing));
        next += passing;
        if (next == words.count()) break;
        taken = takeDefectWord(layout_, defect, words[next++]);
    }
    // A bad image count and image pairs that run onto the next line take the token rules.
    if (taken == WordTaken::BadImageCount || defect.fieldPos == 0 || defect.imageWordsLeft > 0) return false;

    defectLine_ = line.number;
    finishDefect();
    return true;
}

void KlaParser::defectWord(std::string_view word, int line)
{
    if (ignoreRestOfLine_) return;
    if (!open_) {
        // A record spec once read stays: only a defect's first word needs to ask.
        if (!layout_.known) {
            fail(line, "a defect list comes before any DefectRecordSpec");
            return;
        }
        open_ = true;
        defect_.restart();
        defectLine_ = line;
    }
    switch (takeDefectWord(layout_, defect_, word)) {
    case WordTaken::More: break;
    case WordTaken::BadImageCount:
        fail(line, "the IMAGELIST count " + shownField(word) + " of defect " + std::to_string(defectNumber() + 1) +
                       " is not a whole number");
        break;
    case WordTaken::Complete:
        // Anything after a complete defect on its line is passed over, as fields beyond the
        // eighth always were.
        finishDefect();
        ignoreRestOfLine_ = true;
        break;
    }
}

void KlaParser::defectLineEnd()
{
    ignoreRestOfLine_ = false;
    // Only image pairs run onto the next line; any other defect ends with its line.
    if (open_ && defect_.imageWordsLeft == 0) finishDefect();
}

void KlaParser::finishDefect()
{
    open_ = false;
    KlaWafer& wafer = result_.wafers[currentWafer_];
    const int number = wafer.DefectCount + 1;
    if ((defect_.filled & layout_.required) != layout_.required) {
        fail(defectLine_,
             "defect " + std::to_string(number) + " has only " + std::to_string(defect_.fieldPos) + " fields");
        return;
    }
    wafer.DefectCount = number;
    if (!choosing() || number > MaxDefects || store_ == nullptr) return;

    // Filled in place: a record put together aside and then copied is read back, in wide loads,
    // from narrow stores not yet done, and each copy waits for them. A defect that fails here
    // fails the import, which leaves the store to be thrown away.
    DefectRec& defect = (*store_)[static_cast<std::size_t>(number)];
    defect = DefectRec{};
    const auto badField = [&](Slot slot, const char* kind) {
        const std::string field = layout_.named ? std::string(SlotNames[slot]) + " field"
                                                : "field " + std::to_string(slot + 1);
        fail(defectLine_, shownField(defect_.slots[slot]) + " is not " + kind + " (" + field + " of defect " +
                              std::to_string(number) + ")");
    };
    const auto whole = [&](Slot slot, std::int16_t& out) {
        if (!(defect_.filled & (1u << slot))) return true;
        const auto value = parseInt16(defect_.slots[slot]);
        if (!value) {
            badField(slot, "a whole number from -32768 to 32767");
            return false;
        }
        out = *value;
        return true;
    };
    const auto real = [&](Slot slot, double& out) {
        const auto value = parseNumberField(defect_.slots[slot]);
        if (!value) {
            badField(slot, "a number");
            return false;
        }
        out = *value;
        return true;
    };
    if (!whole(IdSlot, defect.DefectID) || !real(XRelSlot, defect.XRel) || !real(YRelSlot, defect.YRel) ||
        !whole(XIndexSlot, defect.XIndex) || !whole(YIndexSlot, defect.YIndex))
        return;
    // The three reals after YINDEX in the fixed order are never used: kept when readable.
    if (!layout_.named) {
        double* reals[] = {&defect.Real6, &defect.Real7, &defect.Real8};
        for (int s = Real6Slot; s <= Real8Slot; ++s) {
            if (!(defect_.filled & (1u << s))) continue;
            const auto value = parseNumberField(defect_.slots[static_cast<std::size_t>(s)]);
            if (value) *reals[s - Real6Slot] = *value;
        }
    }
}

void KlaParser::endDefectList(int line)
{
    if (open_) {
        if (defect_.imageWordsLeft > 0) {
            fail(line, "defect " + std::to_string(defectNumber() + 1) + " ends before its IMAGELIST pairs");
            return;
        }
        finishDefect();
    }
    ignoreRestOfLine_ = false;
    state_ = State::Top;
}

void KlaParser::closeWafer(int line, bool atEnd)
{
    if (summaryPending_) {
        fail(line,
             "the defect list that begins at line " + std::to_string(listLine_) + " is not followed by a Summary");
        return;
    }
    // Values read after the last list belong to this wafer only when no wafer follows.
    if (choosing() && (atEnd || !waferHadList_)) chosenGeometry_ = current_;
}

}  // namespace

std::optional<DefectPosition> defectPosition(const DefectRec& d, double centreX, double centreY, double pitchX,
                                             double pitchY)
{
    const double x = (d.XIndex * pitchX) / 1000 + d.XRel / 1000 - centreX / 1000;
    const double y = (d.YIndex * pitchY) / 1000 + d.YRel / 1000 - centreY / 1000;
    constexpr double floatMax = std::numeric_limits<float>::max();
    if (!(std::fabs(x) <= floatMax) || !(std::fabs(y) <= floatMax)) return std::nullopt;
    return DefectPosition{static_cast<float>(x), static_cast<float>(y)};
}

void storeDefectPoints(Profile& profile, const std::array<DefectPosition, MaxDefects + 1>& positions, int count)
{
    for (int i = 1; i <= count; ++i) {
        PointRec& point = profile.Points[static_cast<std::size_t>(i)];
        point.X = positions[static_cast<std::size_t>(i)].X;
        point.Y = positions[static_cast<std::size_t>(i)].Y;
        const double x = point.X;
        const double y = point.Y;
        point.R = static_cast<float>(std::sqrt(x * x + y * y));
        point.Theta = arctan(point.X, point.Y);
    }
    profile.PointCount = static_cast<std::int16_t>(count);
}

KlaImportResult listKlaWafers(std::string_view bytes)
{
    KlaParser parser(bytes, static_cast<std::size_t>(-1), nullptr);
    return parser.run();
}

KlaImportResult importKlaResults(std::string_view bytes, Profile& profile, DefectStore& defects, std::size_t wafer)
{
    profile.CoordSys = "Rectangular";
    profile.PointCount = 0;

    KlaParser parser(bytes, wafer, &defects);
    KlaImportResult result = parser.run();
    if (result.status != ImportStatus::Ok) return result;

    if (wafer >= result.wafers.size()) {
        result.status = ImportStatus::NoSuchWafer;
        const std::size_t n = result.wafers.size();
        result.message = "The file holds " + std::to_string(n) + (n == 1 ? " wafer" : " wafers") +
                         "; there is no wafer " + std::to_string(wafer + 1) + ".";
        return result;
    }
    result.wafer = wafer;
    const KlaWafer& chosen = result.wafers[wafer];
    if (chosen.DefectCount > MaxDefects) {
        result.status = ImportStatus::TooManyDefects;
        const std::string which = result.wafers.size() == 1 ? "" : " for wafer " + shownField(chosen.WaferID);
        result.message = "The file holds " + std::to_string(chosen.DefectCount) + " defects" + which +
                         "; an import takes at most " + std::to_string(MaxDefects) + ".";
        return result;
    }

    const Geometry g = parser.chosenGeometry();
    std::array<DefectPosition, MaxDefects + 1> positions{};
    for (int i = 1; i <= chosen.DefectCount; ++i) {
        const auto position = defectPosition(defects[static_cast<std::size_t>(i)], g.centreX, g.centreY, g.pitchX,
                                             g.pitchY);
        if (!position) {
            result.status = ImportStatus::Damaged;
            result.message = "The file is damaged: defect " + std::to_string(i) + " lies too far out to be a point.";
            return result;
        }
        positions[static_cast<std::size_t>(i)] = *position;
    }
    storeDefectPoints(profile, positions, chosen.DefectCount);
    result.pointCount = chosen.DefectCount;
    return result;
}

ImportFileBytes loadImportFile(const std::string& path) { return readPlainFile(path, MaxImportFileBytes, "to import"); }

KlaImportResult importKlaFile(const std::string& path, Profile& profile, DefectStore& defects, std::size_t wafer)
{
    const ImportFileBytes file = loadImportFile(path);
    if (!file.ok) {
        profile.CoordSys = "Rectangular";
        profile.PointCount = 0;
        KlaImportResult result;
        result.status = ImportStatus::FileError;
        result.message = file.message;
        return result;
    }
    return importKlaResults(file.bytes, profile, defects, wafer);
}

}  // namespace solvane
