#pragma once
// A document being edited through the viewer's selection: find a text, read a stretch, replace a
// stretch. Positions count characters as the viewer counts them (0 = the first); the template
// filter and the fillers only pass on positions the document gave them, moved by whole
// characters of marker text.
#include <string>
#include <string_view>

namespace recommendations {

class TemplateText {
  public:
    virtual ~TemplateText() = default;
    // Position of the first occurrence of what at or after from; -1 when there is none.
    virtual long Find(std::string_view what, long from) const = 0;
    // Up to length characters from start (fewer at the end of the text).
    virtual std::string Mid(long start, long length) const = 0;
    // Replaces length characters from start by with.
    virtual void Replace(long start, long length, std::string_view with) = 0;
};

// A plain text held in memory, counted in characters.
class PlainTemplateText : public TemplateText {
  public:
    explicit PlainTemplateText(std::string_view utf8);
    long Find(std::string_view what, long from) const override;
    std::string Mid(long start, long length) const override;
    void Replace(long start, long length, std::string_view with) override;
    std::string Text() const;

  private:
    std::u32string text_;
};

}  // namespace recommendations
