<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>FindDialog</name>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>字符、U+ 值或代码(&amp;C)：</source>
        <translation>&amp;Character, U+ value or code:</translation>
    </message>
    <message>
        <source>中   U+4E2D   0xD6D0</source>
        <translation>A   U+0041   0x41</translation>
    </message>
    <message>
        <source>查找(&amp;F)</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>FontFileChooser</name>
    <message>
        <source>bootfont files</source>
        <translation>Boot font files</translation>
    </message>
    <message>
        <source>无法打开文件对话框（扩展错误代码 %1）</source>
        <translation>The open dialog failed (extended error code %1)</translation>
    </message>
    <message>
        <source>：所选文件的路径超过 %1 字节。</source>
        <translation>: the chosen file&apos;s path is longer than %1 bytes.</translation>
    </message>
</context>
<context>
    <name>FontSaver</name>
    <message>
        <source>“%1”有未保存的修改。
要保存吗？</source>
        <translation>“%1” has unsaved changes.
Do you want to save them?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>无法保存“%1”：%2。</source>
        <translation>Cannot save “%1”: %2.</translation>
    </message>
    <message>
        <source>
要另存为其他文件吗？</source>
        <translation>
Save to another file instead?</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>
修改仍在窗口中，可以保存到其他文件。</source>
        <translation>
The changes are still in the window; you can save them to another file.</translation>
    </message>
    <message numerus="yes">
        <source>（另有 %n 个错误）</source>
        <translation>
            <numerusform>(and %n more error)</numerusform>
            <numerusform>(and %n more errors)</numerusform>
        </translation>
    </message>
    <message>
        <source>检查发现这个字体有错误：

%1

仍然保存吗？</source>
        <translation>The check found errors in this font:

%1

Save it anyway?</translation>
    </message>
    <message>
        <source>仍然保存</source>
        <translation>Save Anyway</translation>
    </message>
    <message>
        <source>“%1”在打开后已被其他程序修改或删除。
要用窗口中的字体覆盖它吗？</source>
        <translation>“%1” was changed or removed by another program after it was opened.
Overwrite it with the font in the window?</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>the folder does not exist</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>BootFont 查看器</source>
        <translation>BootFont Viewer</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>单字节(&amp;S)</source>
        <translation>&amp;Single</translation>
    </message>
    <message>
        <source>双字节(&amp;D)</source>
        <translation>&amp;Double</translation>
    </message>
    <message>
        <source>上</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>下</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>上</source>
        <comment>the previous page button, for screen readers</comment>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>下</source>
        <comment>the next page button, for screen readers</comment>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Not bootfont file!!!“</source>
        <translation>Not a boot font file.</translation>
    </message>
    <message>
        <source>第 %1 / %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>GlyphDescription</name>
    <message>
        <source>单字节字符，索引 %1（第 %2 行，第 %3 列）</source>
        <translation>Single-byte glyph, index %1 (row %2, column %3)</translation>
    </message>
    <message>
        <source>双字节字符，索引 %1（第 %2 页，第 %3 行，第 %4 列）</source>
        <translation>Double-byte glyph, index %1 (page %2, row %3, column %4)</translation>
    </message>
    <message>
        <source>代码 %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>%1（按代码页 %2）</source>
        <translation>%1 (through code page %2)</translation>
    </message>
    <message>
        <source>代码页 %1 中没有这个代码的字符</source>
        <translation>Code page %1 has no character for this code</translation>
    </message>
    <message>
        <source>没有 Unicode 值：记录中没有，字体的语言也没有已知的代码页</source>
        <translation>No Unicode value: the record has none, and the font&apos;s language has no known code page</translation>
    </message>
</context>
<context>
    <name>GlyphEditorDialog</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>撤销上一步</source>
        <translation>Undo the last step</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>重做撤销的一步</source>
        <translation>Redo the undone step</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>字形上移一个像素</source>
        <translation>Move the glyph up one pixel</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>字形下移一个像素</source>
        <translation>Move the glyph down one pixel</translation>
    </message>
    <message>
        <source>左移</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>字形左移一个像素</source>
        <translation>Move the glyph left one pixel</translation>
    </message>
    <message>
        <source>右移</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>字形右移一个像素</source>
        <translation>Move the glyph right one pixel</translation>
    </message>
    <message>
        <source>左右翻转</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>字形左右翻转</source>
        <translation>Flip the glyph left to right</translation>
    </message>
    <message>
        <source>反色</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>每个像素反转</source>
        <translation>Invert every pixel</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>清除所有像素</source>
        <translation>Clear every pixel</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>还原为文件中的字形</source>
        <translation>Back to the glyph as the file has it</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>复制为 .hex 行</source>
        <translation>Copy as a .hex line</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>粘贴 .hex 行</source>
        <translation>Paste a .hex line</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>Paint</translation>
    </message>
    <message>
        <source>未粘贴：剪贴板中不是 .hex 字形行（代码:十六进制数字）</source>
        <translation>Not pasted: the clipboard holds no .hex glyph line (code:hex digits)</translation>
    </message>
    <message>
        <source>未粘贴：字形应有 32 或 64 个十六进制数字</source>
        <translation>Not pasted: a glyph has 32 or 64 hex digits</translation>
    </message>
    <message>
        <source>未粘贴：64 个数字的全角字形放不进单字节字形</source>
        <translation>Not pasted: a full-width glyph of 64 digits does not fit a single-byte glyph</translation>
    </message>
</context>
<context>
    <name>GlyphFinder</name>
    <message>
        <source>请输入一个字符、U+ 加十六进制值（U+4E2D）或代码（0xD6D0）。</source>
        <translation>Type one character, U+ and its hex value (U+0041) or a code as the file stores it (0x41, 0xD6D0).</translation>
    </message>
    <message>
        <source>代码 %1</source>
        <translation>code %1</translation>
    </message>
    <message>
        <source>字体中没有 %1 的字形。</source>
        <translation>The font has no glyph for %1.</translation>
    </message>
</context>
<context>
    <name>GlyphMenu</name>
    <message>
        <source>编辑字形(&amp;E)...</source>
        <translation>&amp;Edit Glyph...</translation>
    </message>
    <message>
        <source>复制字符(&amp;C)</source>
        <translation>Copy &amp;Character</translation>
    </message>
    <message>
        <source>复制代码(&amp;O)</source>
        <translation>Copy C&amp;ode</translation>
    </message>
</context>
<context>
    <name>GlyphPicture</name>
    <message>
        <source>字形</source>
        <translation>Glyphs</translation>
    </message>
</context>
<context>
    <name>GlyphPreview</name>
    <message>
        <source>实际大小</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>启动屏幕上</source>
        <translation>On the boot screen</translation>
    </message>
    <message>
        <source>实际大小：</source>
        <translation>Actual size:</translation>
    </message>
    <message>
        <source>启动屏幕上：</source>
        <translation>On the boot screen:</translation>
    </message>
</context>
<context>
    <name>GuideLink</name>
    <message>
        <source>userguide.html</source>
        <comment>the link&apos;s caption</comment>
        <translation>User guide</translation>
    </message>
    <message>
        <source>BootFont 查看器 — 点击打开使用说明</source>
        <translation>BootFont Viewer — click to open the user guide</translation>
    </message>
    <message>
        <source>userguide.html</source>
        <comment>the file name of the user guide</comment>
        <translation>userguide.en.html</translation>
    </message>
</context>
<context>
    <name>HeaderBoxes</name>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>单字节字符个数</source>
        <translation>Single-byte glyphs</translation>
    </message>
    <message>
        <source>双字节字符个数</source>
        <translation>Double-byte glyphs</translation>
    </message>
    <message>
        <source>单字节字符偏移</source>
        <translation>Single-byte offset</translation>
    </message>
    <message>
        <source>双字节字符偏移</source>
        <translation>Double-byte offset</translation>
    </message>
    <message>
        <source>单字节字符数据长度</source>
        <translation>Single-byte size</translation>
    </message>
    <message>
        <source>双字节字符数据长度</source>
        <translation>Double-byte size</translation>
    </message>
    <message>
        <source>DBCS的前导字节范围</source>
        <translation>Lead byte ranges</translation>
    </message>
    <message>
        <source>字符的高度</source>
        <translation>Glyph height</translation>
    </message>
    <message>
        <source>字符的TopPad</source>
        <translation>Glyph top pad</translation>
    </message>
    <message>
        <source>字符的BottomPad</source>
        <translation>Glyph bottom pad</translation>
    </message>
    <message>
        <source>单字节字符的宽度</source>
        <translation>Single-byte width</translation>
    </message>
    <message>
        <source>双字节字符的宽度</source>
        <translation>Double-byte width</translation>
    </message>
</context>
<context>
    <name>PixelEditor</name>
    <message>
        <source>字形像素网格</source>
        <translation>Glyph pixel grid</translation>
    </message>
    <message>
        <source>单击或拖动绘制像素；方向键移动光标，空格键切换光标处的像素</source>
        <translation>Click or drag to paint pixels; the arrow keys move the cursor, Space toggles the pixel under it</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>无效的过程调用或参数</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>溢出</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>内存溢出</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>下标越界</source>
        <translation>Subscript out of range</translation>
    </message>
    <message>
        <source>文件未找到</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>设备 I/O 错误</source>
        <translation>Device I/O error</translation>
    </message>
    <message>
        <source>路径/文件访问错误</source>
        <translation>Path/File access error</translation>
    </message>
    <message>
        <source>应用程序定义或对象定义错误</source>
        <translation>Application-defined or object-defined error</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <source>运行时错误 &apos;%1&apos;:

%2</source>
        <translation>Run-time error &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>viewer::FontEditing</name>
    <message>
        <source>文件在这个字形的记录结束之前就结束了，无法编辑这个字形。</source>
        <translation>The file ends before this glyph’s record does, so the glyph cannot be edited.</translation>
    </message>
    <message>
        <source>编辑字形 %1</source>
        <translation>Edit Glyph %1</translation>
    </message>
</context>
</TS>
