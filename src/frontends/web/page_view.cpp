#include "frontends/web/page_view.h"

#include <emscripten.h>

#include <cstdint>
#include <map>
#include <tuple>

#include "frontends/web/page_host.h"
#include "midend/fonts.h"
#include "model/window.h"

// The page's side: page.js. Rectangles and points in the window's logical pixels.
EM_JS(void, tw_open_view, (int id, const char* name, const char* caption, int width, int height, int owner), {
  TW.openView(id, UTF8ToString(name), UTF8ToString(caption), width, height, owner);
});
EM_JS(void, tw_close_view, (int id), { TW.closeView(id); });
EM_JS(void, tw_caption, (int id, const char* caption, int width, int height), {
  TW.setCaption(id, UTF8ToString(caption), width, height);
});
EM_JS(void, tw_begin_paint, (int id, int x, int y, int w, int h), { TW.beginPaint(id, x, y, w, h); });
EM_JS(void, tw_end_paint, (), { TW.endPaint(); });
EM_JS(void, tw_clip, (int x, int y, int w, int h), { TW.clip(x, y, w, h); });
EM_JS(void, tw_fill, (int x, int y, int w, int h, int colour), { TW.fill(x, y, w, h, colour); });
EM_JS(void, tw_line, (int x1, int y1, int x2, int y2, int pen, int colour), { TW.line(x1, y1, x2, y2, pen, colour); });
EM_JS(void, tw_frame, (int x, int y, int w, int h, int pen, int colour), { TW.frame(x, y, w, h, pen, colour); });
EM_JS(void, tw_picture, (const char* key, int design, int x, int y, int w, int h), {
  TW.picture(UTF8ToString(key), design, x, y, w, h);
});
EM_JS(void, tw_text, (const char* text, const char* font, int colour, int align, int x, int y, int w, int h), {
  TW.text(UTF8ToString(text), UTF8ToString(font), colour, align, x, y, w, h);
});
EM_JS(void, tw_text_box,
      (int box, const char* text, const char* font, int fore, int back, int x, int y, int w, int h, int caretAt,
       int caretWidth, int caretHeight, int caretShown, int multiLine, int scrollBar),
      {
        TW.textBox(box, UTF8ToString(text), UTF8ToString(font), fore, back, x, y, w, h, caretAt, caretWidth,
                   caretHeight, caretShown, multiLine, scrollBar);
      });

namespace tw {

const std::string& cssFont(const Font& font) {
  static std::map<std::tuple<std::string, float, int>, std::string> made;
  std::string& css = made[{font.family, font.points, font.weight}];
  if (!css.empty()) return css;
  css = std::to_string(font.weight) + " " + std::to_string(fontPixelSize(font)) + "px";
  const char* separator = " ";
  for (const std::string& family : fontFamilies(font)) {
    css += separator + ("\"" + family + "\"");
    separator = ", ";
  }
  return css;
}

PageView::PageView(PageHost& host, Window& window, int id, int ownerId)
    : host_(host),
      window_(window),
      id_(id),
      caption_(window.caption),
      client_{0, 0, toPixels(window.clientWidth), toPixels(window.clientHeight)} {
  tw_open_view(id, window.name().c_str(), caption_.c_str(), client_.width, client_.height, ownerId);
  follow(true);
}

PageView::~PageView() { tw_close_view(id_); }

void PageView::follow(bool everything) {
  const PixelRect client{0, 0, toPixels(window_.clientWidth), toPixels(window_.clientHeight)};
  // A canvas of another size starts blank: all of it is drawn again.
  everything = everything || client != client_;
  if (caption_ != window_.caption || everything) {
    caption_ = window_.caption;
    client_ = client;
    tw_caption(id_, caption_.c_str(), client.width, client.height);
  }
  const std::vector<PixelRect>& changed = display_.update(window_, host_);
  if (everything) return paint(client);
  for (const PixelRect& part : changed) paint(part);
  if (!display_.textBoxesChanged()) return;
  for (const DrawItem& item : display_.list().items()) {
    if (item.kind == DrawKind::TextBox) paint(item.clip);
  }
}

void PageView::placeCaret(std::uintptr_t box, int shownAt) {
  for (const DrawItem& item : display_.list().items()) {
    if (item.kind != DrawKind::TextBox || reinterpret_cast<std::uintptr_t>(item.element) != box) continue;
    // The box takes the focus with the press, as a toolkit's does.
    host_.midend().focus(window_, *item.element);
    host_.midend().placeCaret(window_, *item.element, shownAt);
    return;
  }
}

void PageView::paint(const PixelRect& part) {
  if (part.empty()) return;
  tw_begin_paint(id_, part.left, part.top, part.width, part.height);
  for (const DrawItem& item : display_.list().items()) {
    const PixelRect clip = intersected(item.clip, part);
    if (clip.empty()) continue;
    tw_clip(clip.left, clip.top, clip.width, clip.height);
    paintItem(item);
  }
  tw_end_paint();
}

void PageView::paintItem(const DrawItem& item) {
  const PixelRect& a = item.area;
  const int colour = static_cast<int>(item.colour);
  switch (item.kind) {
    case DrawKind::Fill: return tw_fill(a.left, a.top, a.width, a.height, colour);
    case DrawKind::Line: return tw_line(item.from.x, item.from.y, item.to.x, item.to.y, item.pen, colour);
    case DrawKind::FocusFrame: return tw_frame(a.left, a.top, a.width, a.height, item.pen, colour);
    case DrawKind::Picture:
      if (!item.designPicture) host_.offerPicture(item.picture);
      return tw_picture(item.picture.c_str(), item.designPicture, a.left, a.top, a.width, a.height);
    case DrawKind::Text:
      return tw_text(item.text.c_str(), cssFont(item.font).c_str(), colour, static_cast<int>(item.align), a.left,
                     a.top, a.width, a.height);
    case DrawKind::TextBox:
      return tw_text_box(static_cast<int>(reinterpret_cast<std::uintptr_t>(item.element)), item.text.c_str(),
                         cssFont(item.font).c_str(), colour, static_cast<int>(item.back), a.left, a.top, a.width,
                         a.height, item.caret.at, item.caret.width, item.caret.height, item.caret.shown,
                         item.multiLine, item.scrollBar);
  }
}

}  // namespace tw
