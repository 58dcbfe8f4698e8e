// The update service's XML release catalogue and the version rules.
//
// A catalogue lists applications; the program looks for the one whose
// <applicationName> is its own identifier, and in it for the <platform> whose
// <platformName> is ours, and takes that platform's <software> entry:
//
//   <application>
//     <applicationName>example.halvern.OrvexExTool</applicationName>
//     <companyName>Halvern</companyName>
//     <productName>Orvex Extract Tool</productName>
//     <internalProductName>OrvexExTool</internalProductName>
//     <platform>
//       <platformName>Windows</platformName>
//       <software>
//         <version>1.2.0</version>
//         <buildNumber>27001</buildNumber>
//         <releaseDate>2024/05/02</releaseDate>
//         <downloadURL>https://.../OrvexExTool-1.2.0.exe</downloadURL>
//       </software>
//     </platform>
//   </application>
//
// The application elements may sit at any depth, so a catalogue can wrap them
// in a root element of its choice.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct ReleaseInfo {
    QString companyName;
    QString productName;
    QString internalProductName;
    QString version;
    QString buildNumber;
    QString releaseDate;
    QString downloadUrl;
};

struct CatalogueResult {
    enum Status { Found, NotFound, Malformed };
    Status status = NotFound;
    ReleaseInfo release; // filled when Found
    QString error;       // why, when Malformed
};

// Reads the whole document; a document that is not well-formed XML, or a
// matching entry without a version or whose download address is not an
// absolute http(s) URL, is Malformed (the address is opened in the user's
// browser, so another scheme is never accepted).
CatalogueResult parseReleaseCatalogue(const QByteArray &xml, const QString &applicationId,
                                      const QString &platformName);

// Versions are dot-separated decimal numbers compared part by part from the
// left; a missing part counts as 0, so "1.2" equals "1.2.0" and "1.10" is
// greater than "1.9". Surrounding blanks are ignored. Anything else (an empty
// part, letters, signs, a part beyond 64 bits) is not a version: nullopt.
// Otherwise <0, 0 or >0 like strcmp.
std::optional<int> compareVersions(const QString &a, const QString &b);

// Whether the catalogue's release is newer than the program's version
// ("major.minor.patch.build"): the catalogue's version is compared with the
// program's first three parts, and only equal versions let the build numbers
// decide (a missing build number counts as 0). nullopt when the catalogue's
// version or build number is not a number.
std::optional<bool> isNewerRelease(const ReleaseInfo &release, const QString &programVersion);
