#include "core/RecoveryFile.h"

#include "core/DecimalNumber.h"

namespace venkora {

namespace {

constexpr std::string_view kMagic = "VENKORA-WIEDERHERSTELLUNG 1\n";

// Reads the header, field by field; any deviation leaves it failed.
class HeaderReader {
public:
    explicit HeaderReader(std::string_view bytes) : bytes_(bytes) {}

    void Literal(std::string_view expected) { ok_ = ok_ && Try(expected); }
    // Takes `expected` when it stands next; whether it did.
    bool Try(std::string_view expected) {
        if (!ok_ || bytes_.substr(pos_, expected.size()) != expected) return false;
        pos_ += expected.size();
        return true;
    }
    // A decimal number, negative when `isSigned`.
    template <typename T>
    T Number(bool isSigned = false) {
        std::size_t at = pos_;
        const std::optional<DecimalNumber> number = ok_ ? DecimalNumber::Read(bytes_, at) : std::nullopt;
        ok_ = number && !number->overflow && (isSigned || !number->negative);
        if (!ok_) return T{};
        pos_ = at;
        return static_cast<T>(number->negative ? 0 - number->magnitude : number->magnitude);
    }
    // `length` bytes as they stand.
    std::string_view Bytes(std::uint64_t length) {
        ok_ = ok_ && length <= bytes_.size() - pos_;
        if (!ok_) return {};
        const std::string_view taken = bytes_.substr(pos_, length);
        pos_ += length;
        return taken;
    }
    bool AtEnd() const { return ok_ && pos_ == bytes_.size(); }
    bool ok() const { return ok_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace

std::string RecoveryFile::Format() const {
    std::string out(kMagic);
    out += "pfad " + std::to_string(path.size()) + "\n" + path + "\n";
    out += codePage == CodePage::Kind::Utf8 ? "codepage utf-8\n" : "codepage windows-1252\n";
    if (identity) {
        out += "datei " + std::to_string(identity->device) + " " + std::to_string(identity->inode) + " " +
               std::to_string(identity->size) + " " + std::to_string(identity->modifiedSeconds) + " " +
               std::to_string(identity->modifiedNanoseconds) + "\n";
    } else {
        out += "datei -\n";
    }
    out += "prozess " + std::to_string(process.pid) + " " + std::to_string(process.startTime) + "\n";
    out += "stand " + std::to_string(written) + "\n";
    out += "text " + std::to_string(text.size()) + "\n";
    out.reserve(out.size() + text.size());
    out += text;
    return out;
}

std::optional<RecoveryFile> RecoveryFile::Parse(std::string_view bytes) {
    HeaderReader in(bytes);
    RecoveryFile file;
    in.Literal(kMagic);
    in.Literal("pfad ");
    const auto pathLength = in.Number<std::uint64_t>();
    in.Literal("\n");
    file.path = in.Bytes(pathLength);
    in.Literal("\ncodepage ");
    if (!in.Try("utf-8\n")) {
        in.Literal("windows-1252\n");
        file.codePage = CodePage::Kind::Windows1252;
    }
    in.Literal("datei ");
    if (!in.Try("-\n")) {
        FileIdentity identity;
        identity.device = in.Number<std::uint64_t>();
        in.Literal(" ");
        identity.inode = in.Number<std::uint64_t>();
        in.Literal(" ");
        identity.size = in.Number<std::int64_t>();
        in.Literal(" ");
        identity.modifiedSeconds = in.Number<std::int64_t>(true);
        in.Literal(" ");
        identity.modifiedNanoseconds = in.Number<std::int64_t>();
        in.Literal("\n");
        file.identity = identity;
    }
    in.Literal("prozess ");
    file.process.pid = in.Number<pid_t>();
    in.Literal(" ");
    file.process.startTime = in.Number<std::uint64_t>();
    in.Literal("\nstand ");
    file.written = in.Number<std::int64_t>(true);
    in.Literal("\ntext ");
    const auto textLength = in.Number<std::uint64_t>();
    in.Literal("\n");
    file.text = in.Bytes(textLength);
    if (!in.AtEnd()) return std::nullopt;
    return file;
}

}  // namespace venkora
