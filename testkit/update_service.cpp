#include "testkit/update_service.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <memory>
#include <stdexcept>

namespace orvex::testkit::update {

namespace {

std::string xml_escape(const std::string &s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string element(const char *name, const std::string &value)
{
    return std::string("<") + name + ">" + xml_escape(value) + "</" + name + ">";
}

template <typename T, void (*Free)(T *)>
struct Deleter {
    void operator()(T *p) const { Free(p); }
};
using PKeyPtr = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using X509Ptr = std::unique_ptr<X509, Deleter<X509, X509_free>>;
void bio_free(BIO *b) { BIO_free(b); }
using BioPtr = std::unique_ptr<BIO, Deleter<BIO, bio_free>>;

void check(bool ok, const char *what)
{
    if (!ok)
        throw std::runtime_error(std::string("self_signed_identity: ") + what);
}

std::string bio_text(BIO *bio)
{
    char *data = nullptr;
    const long n = BIO_get_mem_data(bio, &data);
    return std::string(data, static_cast<size_t>(n));
}

} // namespace

std::string catalogue(const std::vector<CatalogueEntry> &entries)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<softwareRelease>\n";
    for (const CatalogueEntry &e : entries) {
        xml += "  <application>\n    " + element("applicationName", e.application_id) + "\n    " +
               element("companyName", "Halvern") + "\n    " + element("productName", "Orvex Extract Tool") +
               "\n    " + element("internalProductName", "OrvexExTool") + "\n    <platform>\n      " +
               element("platformName", e.platform) + "\n      <software>\n        " +
               element("version", e.version) + "\n        " + element("buildNumber", e.build) + "\n        " +
               element("releaseDate", e.release_date) + "\n        " + element("downloadURL", e.download_url) +
               "\n      </software>\n    </platform>\n  </application>\n";
    }
    return xml + "</softwareRelease>\n";
}

TlsIdentity self_signed_identity(const std::string &common_name)
{
    PKeyPtr key(EVP_EC_gen("P-256"));
    check(key != nullptr, "key");
    X509Ptr cert(X509_new());
    check(cert != nullptr, "certificate");
    check(X509_set_version(cert.get(), 2) == 1, "version");
    check(ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), 1) == 1, "serial");
    check(X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600) != nullptr, "not before");
    check(X509_gmtime_adj(X509_getm_notAfter(cert.get()), 86400) != nullptr, "not after");
    X509_NAME *name = X509_get_subject_name(cert.get());
    check(X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                                     reinterpret_cast<const unsigned char *>(common_name.c_str()), -1, -1, 0) == 1,
          "name");
    check(X509_set_issuer_name(cert.get(), name) == 1, "issuer");
    check(X509_set_pubkey(cert.get(), key.get()) == 1, "public key");
    check(X509_sign(cert.get(), key.get(), EVP_sha256()) > 0, "signature");

    BioPtr certBio(BIO_new(BIO_s_mem()));
    BioPtr keyBio(BIO_new(BIO_s_mem()));
    check(certBio && keyBio, "memory");
    check(PEM_write_bio_X509(certBio.get(), cert.get()) == 1, "certificate PEM");
    check(PEM_write_bio_PrivateKey(keyBio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) == 1, "key PEM");
    return {bio_text(certBio.get()), bio_text(keyBio.get())};
}

} // namespace orvex::testkit::update
