#pragma once
// The value encoding of recover.dat and of the .nrm and .col data files: one value per
// line, every line ended by CR LF.
//
//   Single   plain decimal with a period, at most seven significant digits, no leading zero
//            below 1 (.234, 0, 1.5, -.5); exponent form only below .0001 and from ten
//            million up (1E-05, 1.234568E+07).
//   Integer  plain decimal (7, -3).
//   String   between double quotes. Inside the quotes a double quote opens an escape:
//            "" is a quote, "n a line feed, "r a carriage return. Comments without those
//            characters therefore keep the old unescaped layout byte for byte, and a lone
//            interior quote followed by any other character (only old files hold one) is
//            taken literally.
//
// Files are written in UTF-8, without a byte-order mark; the UTF-8 decoding drops one that an
// editor put before the first line. Older files were written in a single-byte character set, so a
// line that is not valid UTF-8 is read as Latin-1.
//
// Seven digits is what the files have always held: a Single survives a write and a read to
// within one unit in its seventh significant digit, exactly when it has seven or fewer.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

class QIODevice;

namespace brevane {

QString formatSingle(float value);
QString formatInteger(int value);
QString formatString(const QString& value); // with the quotes

// Each parser takes one line without its line end and refuses anything but a whole value.
// Numbers may carry blanks around them, a sign, a leading zero or not, and an exponent.
std::optional<float> parseSingle(QStringView line);
std::optional<qint16> parseInteger(QStringView line);
std::optional<QString> parseString(QStringView line);

// UTF-8 when the bytes are valid UTF-8, Latin-1 otherwise.
QString decodeLine(const QByteArray& bytes);

class ValueWriter {
public:
    explicit ValueWriter(QIODevice& device);
    void single(float value);
    void integer(int value);
    void string(const QString& value);
    // False once any line could not be written whole; later lines are then skipped.
    bool ok() const { return ok_; }

private:
    void line(const QString& text);

    QIODevice& device_;
    bool ok_ = true;
};

// Each call consumes one line; nullopt at the end of the data or when the line does not hold
// a value of the asked type.
class ValueReader {
public:
    explicit ValueReader(QIODevice& device);
    std::optional<float> single();
    std::optional<qint16> integer();
    std::optional<QString> string();

private:
    std::optional<QString> nextLine();

    QIODevice& device_;
};

} // namespace brevane
