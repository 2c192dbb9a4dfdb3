#include "scheduler/run/FileTransfer.h"

#include "core/launch/CommandLines.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#include <cstdio>
#include <mutex>

namespace vl {
namespace {

const QString kFtpProgram = QStringLiteral("VLFTP");
const QString kHttpProgram = QStringLiteral("HTTPGET");
constexpr qsizetype kFtpArguments = 6; // operation, source, target, host, user, password
constexpr qsizetype kPasswordArgument = 5;
const char kPartSuffix[] = ".part";

size_t WriteToFile(char* data, size_t size, size_t count, void* file)
{
    return std::fwrite(data, size, count, static_cast<FILE*>(file));
}

size_t ReadFromFile(char* data, size_t size, size_t count, void* file)
{
    return std::fread(data, size, count, static_cast<FILE*>(file));
}

int StopWhenCancelled(void* cancelled, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<std::atomic<bool>*>(cancelled)->load() ? 1 : 0;
}

QByteArray Address(const TransferRequest& request)
{
    if (request.kind == TransferRequest::Kind::HttpDownload)
        return request.source.toUtf8();
    QString path = request.kind == TransferRequest::Kind::FtpUpload ? request.target : request.source;
    if (request.kind == TransferRequest::Kind::FtpUpload && (path.isEmpty() || path.endsWith(u'/')))
        path += QFileInfo(request.source).fileName();
    while (path.startsWith(u'/'))
        path.remove(0, 1);
    QUrl url(QStringLiteral("ftp://") + request.host);
    url.setPath(u'/' + path);
    return url.toEncoded();
}

// Runs the prepared handle and gives 0 or libcurl's failure code.
int Perform(CURL* curl, const std::atomic<bool>& cancelled)
{
    const CURLcode code = curl_easy_perform(curl);
    if (code != CURLE_OK && cancelled.load())
        return FileTransfer::kCancelled;
    return static_cast<int>(code);
}

} // namespace

std::optional<TransferRequest> ParseTransferCommand(const QString& command)
{
    const CommandLineParts parts = SplitCommandLine(command.trimmed());
    const QString program = parts.program.toUpper();
    if (program == kHttpProgram) {
        if (parts.arguments.size() < 2 || parts.arguments.at(0).isEmpty() || parts.arguments.at(1).isEmpty())
            return std::nullopt;
        return TransferRequest{.kind = TransferRequest::Kind::HttpDownload,
                               .source = parts.arguments.at(0),
                               .target = parts.arguments.at(1)};
    }
    if (program != kFtpProgram || parts.arguments.size() < kFtpArguments - 1)
        return std::nullopt;
    const QString operation = parts.arguments.at(0).toUpper();
    if (operation != QLatin1String("U") && operation != QLatin1String("D"))
        return std::nullopt;
    TransferRequest request{.kind = operation == QLatin1String("U") ? TransferRequest::Kind::FtpUpload
                                                                     : TransferRequest::Kind::FtpDownload,
                            .source = parts.arguments.at(1),
                            .target = parts.arguments.at(2),
                            .host = parts.arguments.at(3).trimmed(),
                            .user = parts.arguments.at(4).trimmed(),
                            .password = parts.arguments.value(kPasswordArgument)};
    if (request.source.isEmpty() || request.host.isEmpty())
        return std::nullopt;
    if (request.kind == TransferRequest::Kind::FtpDownload && request.target.isEmpty())
        return std::nullopt;
    return request;
}

FileTransfer::FileTransfer(TransferRequest request, TransferLimits limits)
{
    static std::once_flag started;
    std::call_once(started, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    thread_ = std::thread([this, request = std::move(request), limits] { Run(request, limits); });
}

FileTransfer::~FileTransfer()
{
    Cancel();
    if (thread_.joinable())
        thread_.join();
}

void FileTransfer::Run(const TransferRequest& request, TransferLimits limits)
{
    CURL* curl = curl_easy_init();
    if (!curl) {
        exitCode_.store(CURLE_FAILED_INIT);
        return;
    }
    const QByteArray address = Address(request);
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits.connectSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, StopWhenCancelled);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &cancelled_);
    const QByteArray user = request.user.toUtf8();
    const QByteArray password = request.password.toUtf8();
    if (request.kind != TransferRequest::Kind::HttpDownload && !request.user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }
    int result = 0;
    if (request.kind == TransferRequest::Kind::FtpUpload) {
        FILE* file = std::fopen(QFile::encodeName(request.source).constData(), "rb");
        if (!file) {
            exitCode_.store(CURLE_READ_ERROR);
            curl_easy_cleanup(curl);
            return;
        }
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadFromFile);
        curl_easy_setopt(curl, CURLOPT_READDATA, file);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(QFileInfo(request.source).size()));
        result = Perform(curl, cancelled_);
        std::fclose(file);
    } else {
        const QByteArray target = QFile::encodeName(request.target);
        const QByteArray part = target + kPartSuffix;
        FILE* file = std::fopen(part.constData(), "wb");
        if (!file) {
            exitCode_.store(CURLE_WRITE_ERROR);
            curl_easy_cleanup(curl);
            return;
        }
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteToFile);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
        result = Perform(curl, cancelled_);
        const bool written = std::fclose(file) == 0;
        if (result == 0 && !written)
            result = CURLE_WRITE_ERROR;
        if (result == 0 && std::rename(part.constData(), target.constData()) != 0)
            result = CURLE_WRITE_ERROR;
        if (result != 0)
            std::remove(part.constData());
    }
    curl_easy_cleanup(curl);
    exitCode_.store(result);
}

} // namespace vl
