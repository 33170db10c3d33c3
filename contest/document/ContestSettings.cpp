// The default oath of a new contest document.
#include "document/ContestSettings.h"

#include "common/Cp932.h"

const std::string& ContestSettings::defaultOath() {
    return cp932::lit("私は、ＪＡＲＬ制定のコンテスト規約および電波法令にしたがい運用した結果、ここに提出する"
                      "サマリーシートおよびログシートなどが事実と相違ないものであることを、私の名誉において誓います。");
}
