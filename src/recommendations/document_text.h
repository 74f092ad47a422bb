#pragma once
// A rich-text document as a template to fill or filter: find, read and replace stretches of its
// plain text, positions counted as the viewer counts them. The screens prepare a document this
// way before they show it, and the report prepares the same document the same way.
#include <string>
#include <string_view>

#include "docs/rich_text.h"
#include "recommendations/template_text.h"

namespace recommendations {

class DocumentText : public TemplateText {
  public:
    explicit DocumentText(docs::RichText& document) : document_(document) {}
    long Find(std::string_view what, long from) const override;
    // Reads through the selection, which it leaves on the stretch read.
    std::string Mid(long start, long length) const override;
    void Replace(long start, long length, std::string_view with) override;

  private:
    docs::RichText& document_;
};

}  // namespace recommendations
