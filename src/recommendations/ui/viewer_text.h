#pragma once
// The document in the viewer as a template to fill or filter: the viewer's find, selection and
// replace operations, positions counted as the viewer counts them.
#include <string>
#include <string_view>

#include "recommendations/template_text.h"

namespace docs {
class frmRTF;
}

namespace recommendations {

class ViewerText : public TemplateText {
  public:
    explicit ViewerText(docs::frmRTF& viewer) : viewer_(viewer) {}
    long Find(std::string_view what, long from) const override;
    // Reads through the selection, which it leaves on the stretch read.
    std::string Mid(long start, long length) const override;
    void Replace(long start, long length, std::string_view with) override;

  private:
    docs::frmRTF& viewer_;
};

}  // namespace recommendations
