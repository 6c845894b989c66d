#include "ImportReview.h"

#include "PackageKind.h"

namespace sorvik::package {

namespace {

constexpr int kUnitKind = -1;

bool isKind(const QString &text, int kind)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number == kind;
}

}  // namespace

ImportReview ImportReview::of(const PackageContent &content, std::optional<int> expectedKind)
{
    ImportReview review;
    review.unitMode = !expectedKind.has_value();
    review.kind = expectedKind.value_or(-1);
    const PackageKind *kind = expectedKind ? kindByNumber(*expectedKind) : nullptr;
    review.caption = kind ? kind->importCaption : kUnitCaption;

    if (!content.scheme) {
        review.memo = {QStringLiteral("このファイルは"), QStringLiteral("このシステムで取り込める"),
                       QStringLiteral("形式では有りません。")};
        review.messages << kNotAPackageMessage;
        return review;
    }
    review.memo = content.fileInfo;
    // A unit file says "-1" where a package names its kind; either read as the other is
    // the wrong kind of file.
    if (!isKind(content.scheme->kind, expectedKind.value_or(kUnitKind))) {
        review.messages << kWrongKindMessage;
        return review;
    }
    if (content.scheme->version != kFormatVersion)
        review.messages << kOtherVersionMessage;
    review.importable = true;
    review.overwriteVisible = expectedKind && *expectedKind >= 2 && *expectedKind <= 4;
    review.cautionVisible = expectedKind == 2;
    return review;
}

}  // namespace sorvik::package
