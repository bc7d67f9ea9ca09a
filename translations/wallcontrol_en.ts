<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ControlPages</name>
    <message>
        <source>图像冻结</source>
        <translation>Still</translation>
    </message>
    <message>
        <source>系统信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>温度信息</source>
        <translation>TempInfo</translation>
    </message>
    <message>
        <source>读取所有</source>
        <translation>Read All</translation>
    </message>
    <message>
        <source>停止读取</source>
        <translation>Stop reading</translation>
    </message>
    <message>
        <source>读</source>
        <translation>R</translation>
    </message>
    <message>
        <source>写</source>
        <translation>W</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>基色调整</source>
        <translation>DlpColor</translation>
    </message>
    <message>
        <source>屏参设置</source>
        <translation>Panel Control</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>LVDS信号标准</source>
        <translation>LVDS</translation>
    </message>
    <message>
        <source>色彩制式</source>
        <translation>ColorSys</translation>
    </message>
    <message>
        <source>动态模式</source>
        <translation>Active Mode</translation>
    </message>
    <message>
        <source>遥控按键</source>
        <translation>Remote Keys</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>亮  度</source>
        <translation>Brighness</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>清晰度</source>
        <translation>Sharpness</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>色  调</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>降  噪</source>
        <translation>3DNR</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>图像翻转</source>
        <translation>Rollovers</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>270°</source>
        <translation>270°</translation>
    </message>
    <message>
        <source>画质调整</source>
        <translation>VISION</translation>
    </message>
    <message>
        <source>水平位置</source>
        <translation>Hor Pos</translation>
    </message>
    <message>
        <source>垂直位置</source>
        <translation>Ver Pos</translation>
    </message>
    <message>
        <source>时  钟</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>相  位</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>水平框架</source>
        <translation>Hor Scale</translation>
    </message>
    <message>
        <source>垂直框架</source>
        <translation>Ver Scale</translation>
    </message>
    <message>
        <source>框架开关</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>水平尺寸</source>
        <translation>Hor Size</translation>
    </message>
    <message>
        <source>垂直尺寸</source>
        <translation>Ver Size</translation>
    </message>
    <message>
        <source>风  扇</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>无信号</source>
        <translation>NoSignal</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>蓝屏</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>黑屏</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>关背光</source>
        <translation>Backlight Off</translation>
    </message>
    <message>
        <source>背光亮度</source>
        <translation>BackLight</translation>
    </message>
    <message>
        <source>边缘亮度</source>
        <translation>Edge Brightness</translation>
    </message>
    <message>
        <source>投影方向</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>正投正向</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>背投正向</source>
        <translation>Rear</translation>
    </message>
    <message>
        <source>正投反向</source>
        <translation>Front Inverted</translation>
    </message>
    <message>
        <source>背投反向</source>
        <translation>Rear Inverted</translation>
    </message>
    <message>
        <source>色温模式</source>
        <translation>BC Mode</translation>
    </message>
    <message>
        <source>伽玛模式</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>模式1</source>
        <translation>Mode1</translation>
    </message>
    <message>
        <source>模式2</source>
        <translation>Mode2</translation>
    </message>
    <message>
        <source>模式3</source>
        <translation>Mode3</translation>
    </message>
    <message>
        <source>模式4</source>
        <translation>Mode4</translation>
    </message>
    <message>
        <source>模式5</source>
        <translation>Mode5</translation>
    </message>
    <message>
        <source>色坐标X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>色坐标Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>增益Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>去雾度</source>
        <translation>RemoveMistLevel</translation>
    </message>
    <message>
        <source>半 屏</source>
        <translation>HalfScreen</translation>
    </message>
    <message>
        <source>去雾功能</source>
        <translation>RemoveMist Fun</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>低照度</source>
        <translation>LowLight</translation>
    </message>
    <message>
        <source>除 白</source>
        <translation>RemoveWhite</translation>
    </message>
    <message>
        <source>色彩自动调整</source>
        <translation>ColorAuto</translation>
    </message>
    <message>
        <source>ADC调整</source>
        <translation>ADC Adjust</translation>
    </message>
    <message>
        <source>色差调整</source>
        <translation>Chromatism</translation>
    </message>
    <message>
        <source>位置自动调整</source>
        <translation>AutoAdjust</translation>
    </message>
    <message>
        <source>重 显 率</source>
        <translation>OverScan</translation>
    </message>
    <message>
        <source>画 中 画</source>
        <translation>PIP</translation>
    </message>
    <message>
        <source>副 画 面</source>
        <translation>Sub Picture</translation>
    </message>
    <message>
        <source>边框颜色</source>
        <translation>FrameColor</translation>
    </message>
    <message>
        <source>尺  寸</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>交  换</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>版本信息</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>设置地址</source>
        <translation>Set Addr</translation>
    </message>
    <message>
        <source>工厂初始化</source>
        <translation>FacRest</translation>
    </message>
    <message>
        <source>不规则拼接</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>网格</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>16灰阶</source>
        <translation>16 Gray</translation>
    </message>
    <message>
        <source>32灰阶</source>
        <translation>32 Gray</translation>
    </message>
    <message>
        <source>64灰阶</source>
        <translation>64 Gray</translation>
    </message>
    <message>
        <source>256灰阶</source>
        <translation>256 Gray</translation>
    </message>
    <message>
        <source>彩条</source>
        <translation>ColorBar</translation>
    </message>
    <message>
        <source>黑</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>灰度</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>电源</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>信号</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>工厂菜单</source>
        <translation>Factory</translation>
    </message>
    <message>
        <source>主副交换</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>系统保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>1366X768三星</source>
        <translation>1366X768SAMSUNG</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>White</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>青色</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>紫色</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
</context>
<context>
    <name>wall::DemoMode</name>
    <message>
        <source> — 演示模式（模拟显示墙）</source>
        <translation> — Demo (simulated wall)</translation>
    </message>
    <message>
        <source>演示模式：没有串口，命令发往模拟显示墙</source>
        <translation>Demo mode: no serial port, commands go to the simulated wall</translation>
    </message>
    <message>
        <source>演示模式：模拟显示墙</source>
        <translation>Demo mode: simulated wall</translation>
    </message>
</context>
<context>
    <name>wall::InputControlDialog</name>
    <message>
        <source>输入控制</source>
        <translation>Input Control</translation>
    </message>
    <message>
        <source>信号源</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>矩阵输入</source>
        <translation>MatrixIn</translation>
    </message>
    <message>
        <source>使用矩阵</source>
        <translation>UseMatrix</translation>
    </message>
    <message>
        <source>单屏模式</source>
        <translation>Single Screen</translation>
    </message>
    <message>
        <source>矩阵切换类型</source>
        <translation>Switch Type</translation>
    </message>
    <message>
        <source>视频+音频</source>
        <translation>Video+Audio</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::InputNameDialog</name>
    <message>
        <source>设置矩阵输入名</source>
        <translation>Matrix Input Names</translation>
    </message>
    <message>
        <source>确  认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关  闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>wall::MainWindow</name>
    <message>
        <source>信息提示框</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>完成开机!</source>
        <translation>Power On Good!</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>高级功能</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>产品选型</source>
        <translation>ProductSel</translation>
    </message>
    <message>
        <source>定时系统</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>幕墙开机</source>
        <translation>WallPower</translation>
    </message>
    <message>
        <source>幕墙关机</source>
        <translation>WallOff</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>矩阵设置</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>幕墙设置</source>
        <translation>WallUnit</translation>
    </message>
    <message>
        <source>幕墙颜色</source>
        <translation>WallColor</translation>
    </message>
    <message>
        <source>标志设置</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>虚拟键盘</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>云台控制</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>串口显示</source>
        <translation>ComDisp</translation>
    </message>
    <message>
        <source>温度控制</source>
        <translation>TemperatureControl</translation>
    </message>
    <message>
        <source>轮询设置</source>
        <translation>Roll Polling</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>输入控制</source>
        <translation>Input Control</translation>
    </message>
    <message>
        <source>读信号源</source>
        <translation>Read Source</translation>
    </message>
    <message>
        <source>保存模式</source>
        <translation>Mode Save</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>读取本页数据</source>
        <translation>Read This Page</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>图像处理</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>视窗处理</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>画  中  画</source>
        <translation>PIP</translation>
    </message>
    <message>
        <source>  系    统  </source>
        <translation>System</translation>
    </message>
    <message>
        <source>测试画面</source>
        <translation>TestPattern</translation>
    </message>
    <message>
        <source>光机控制</source>
        <translation>DLP</translation>
    </message>
    <message>
        <source>调试助手</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>  漫    游  </source>
        <translation>Roaming</translation>
    </message>
    <message>
        <source>图像调整</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <source>其他控制</source>
        <translation>Else Ctrl</translation>
    </message>
    <message>
        <source>图像翻转</source>
        <translation>Rollovers</translation>
    </message>
    <message>
        <source>框架开关</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>水平框架</source>
        <translation>Hor Scale</translation>
    </message>
    <message>
        <source>垂直框架</source>
        <translation>Ver Scale</translation>
    </message>
    <message>
        <source>尺  寸</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>边框颜色</source>
        <translation>FrameColor</translation>
    </message>
    <message>
        <source>水平位置</source>
        <translation>Hor Pos</translation>
    </message>
    <message>
        <source>垂直位置</source>
        <translation>Ver Pos</translation>
    </message>
    <message>
        <source>垂直尺寸</source>
        <translation>Ver Size</translation>
    </message>
    <message>
        <source>水平尺寸</source>
        <translation>Hor Size</translation>
    </message>
    <message>
        <source>信源模式</source>
        <translation>Source mode</translation>
    </message>
    <message>
        <source>边缘亮度</source>
        <translation>Edge Brightness</translation>
    </message>
    <message>
        <source>温度信息</source>
        <translation>TempInfo</translation>
    </message>
    <message>
        <source>版本信息</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>不规则拼接</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>半 屏</source>
        <translation>HalfScreen</translation>
    </message>
    <message>
        <source>去雾功能</source>
        <translation>RemoveMist Fun</translation>
    </message>
    <message>
        <source>TI_Mode</source>
        <translation>TI_MODE</translation>
    </message>
    <message>
        <source>低照度</source>
        <translation>LowLight</translation>
    </message>
    <message>
        <source>除 白</source>
        <translation>RemoveWhite</translation>
    </message>
    <message>
        <source>去雾度</source>
        <translation>RemoveMistLevel</translation>
    </message>
    <message>
        <source>镜像</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>写</source>
        <translation>W</translation>
    </message>
    <message>
        <source>读取状态: </source>
        <translation>Read State: </translation>
    </message>
    <message>
        <source>一月</source>
        <translation>January</translation>
    </message>
    <message>
        <source>二月</source>
        <translation>February</translation>
    </message>
    <message>
        <source>三月</source>
        <translation>March</translation>
    </message>
    <message>
        <source>四月</source>
        <translation>April</translation>
    </message>
    <message>
        <source>五月</source>
        <translation>May</translation>
    </message>
    <message>
        <source>六月</source>
        <translation>June</translation>
    </message>
    <message>
        <source>七月</source>
        <translation>July</translation>
    </message>
    <message>
        <source>八月</source>
        <translation>August</translation>
    </message>
    <message>
        <source>九月</source>
        <translation>September</translation>
    </message>
    <message>
        <source>十月</source>
        <translation>October</translation>
    </message>
    <message>
        <source>十一月</source>
        <translation>November</translation>
    </message>
    <message>
        <source>十二月</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>wall::MatrixDialogs</name>
    <message>
        <source>输入控制</source>
        <translation>Input Control</translation>
    </message>
</context>
<context>
    <name>wall::MatrixSettingsDialog</name>
    <message>
        <source>矩阵设置</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>矩阵品牌</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>矩阵型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>矩阵地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>输入数量</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>延时</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>设置矩阵输入名</source>
        <translation>Input Names</translation>
    </message>
    <message>
        <source>拼接盒输入通道</source>
        <translation>Unit input channel</translation>
    </message>
    <message>
        <source>一对一接法</source>
        <translation>One to One</translation>
    </message>
    <message>
        <source>取消所有连接</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>确  认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关  闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>信息提示框</source>
        <translation>Tips</translation>
    </message>
</context>
<context>
    <name>wall::OutputSelectorDialog</name>
    <message>
        <source>矩阵输出选择</source>
        <translation>Matrix Output</translation>
    </message>
    <message>
        <source>矩阵输出对应设置</source>
        <translation>Matrix outputs of this unit</translation>
    </message>
    <message>
        <source>选择此屏对应的矩阵输出</source>
        <translation>Matrix output of this unit</translation>
    </message>
    <message>
        <source>不接矩阵</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>矩阵输出%1</source>
        <translation>MatrixOutput%1</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确  定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::PipMatrixPanel</name>
    <message>
        <source>使用矩阵</source>
        <translation>UseMatrix</translation>
    </message>
</context>
<context>
    <name>wall::PortDialog</name>
    <message>
        <source>串口设置</source>
        <translation>COM Set</translation>
    </message>
    <message>
        <source>大屏幕串口设置</source>
        <translation>Wall COM Set</translation>
    </message>
    <message>
        <source>矩阵使用独立串口</source>
        <translation>Matrix uses its own COM</translation>
    </message>
    <message>
        <source>AV矩阵使用独立串口</source>
        <translation>AV matrix uses its own COM</translation>
    </message>
    <message>
        <source>VGA矩阵使用独立串口</source>
        <translation>VGA matrix uses its own COM</translation>
    </message>
    <message>
        <source>DVI矩阵使用独立串口</source>
        <translation>DVI matrix uses its own COM</translation>
    </message>
    <message>
        <source>YPbPr矩阵使用独立串口</source>
        <translation>YPbPr matrix uses its own COM</translation>
    </message>
    <message>
        <source>保  存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::PortSettingsDialog</name>
    <message>
        <source>串口设置</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>仅发送 XON/XOFF</source>
        <translation>XON/XOFF (send only)</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>流控制</source>
        <translation>Flow control</translation>
    </message>
    <message>
        <source>确  定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::PowerOffDialog</name>
    <message>
        <source>关机</source>
        <translation>Shutdown</translation>
    </message>
    <message>
        <source>你确定要关闭大屏幕</source>
        <translation>Power Off The Wall?</translation>
    </message>
    <message>
        <source>确  定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::RollDialog</name>
    <message>
        <source>矩阵轮询设置</source>
        <translation>Matrix Roll Polling</translation>
    </message>
    <message>
        <source>轮询总组数</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>组间间隔(秒)</source>
        <translation>Interval (s)</translation>
    </message>
    <message>
        <source>自定义设置</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>矩阵品牌</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>切换类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>矩阵地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>勾选            启用轮询</source>
        <translation>Start roll polling</translation>
    </message>
    <message>
        <source>信息提示框</source>
        <translation>Tips</translation>
    </message>
</context>
<context>
    <name>wall::SystemSettingsDialog</name>
    <message>
        <source>系统设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>数据读取延时时间</source>
        <translation>Read delay time</translation>
    </message>
    <message>
        <source>智能开机间隔时间</source>
        <translation>Intelligent Power interval</translation>
    </message>
    <message>
        <source>矩阵控屏延时时间</source>
        <translation>Matrix to wall delay</translation>
    </message>
    <message>
        <source>* 10 (ms)</source>
        <translation>* 10 (ms)</translation>
    </message>
    <message>
        <source>控制指令格式</source>
        <translation>Command format</translation>
    </message>
    <message>
        <source>控制顺序</source>
        <translation>Switch order</translation>
    </message>
    <message>
        <source>7个字节</source>
        <translation>7 bytes</translation>
    </message>
    <message>
        <source>8个字节</source>
        <translation>8 bytes</translation>
    </message>
    <message>
        <source>9个字节</source>
        <translation>9 bytes</translation>
    </message>
    <message>
        <source>10个字节</source>
        <translation>10 bytes</translation>
    </message>
    <message>
        <source>先切矩阵再切大屏</source>
        <translation>Matrix first, then wall</translation>
    </message>
    <message>
        <source>先切大屏再切矩阵</source>
        <translation>Wall first, then matrix</translation>
    </message>
    <message>
        <source>电脑开机时启动软件</source>
        <translation>Start with the computer</translation>
    </message>
    <message>
        <source>软件登录使用密码</source>
        <translation>Ask for the password at start</translation>
    </message>
    <message>
        <source>使用数据回读功能</source>
        <translation>Use data read-back</translation>
    </message>
    <message>
        <source>使用漫游功能</source>
        <translation>Use roaming</translation>
    </message>
    <message>
        <source>切信号自动调整</source>
        <translation>Auto adjust after a switch</translation>
    </message>
    <message>
        <source>启动软件发送开机命令</source>
        <translation>Power on the wall at start</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::TrafficWindow</name>
    <message>
        <source>串口信息显示窗口</source>
        <translation>Com Display Window</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>字符</source>
        <translation>Char</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>时间标记</source>
        <translation>Time stamps</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
</context>
<context>
    <name>wall::VirtualWallWindow</name>
    <message>
        <source>虚拟显示墙 (演示模式)</source>
        <translation>Virtual wall (demo)</translation>
    </message>
    <message>
        <source>方案调用通知:</source>
        <translation>Plan-recall notice:</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>像显示墙处理器一样发出方案调用通知 (FA F5 Recall)</source>
        <translation>Send the plan-recall notice as the wall processor does (FA F5 Recall)</translation>
    </message>
    <message>
        <source>虚拟显示墙</source>
        <translation>Virtual wall</translation>
    </message>
    <message>
        <source>%1 × %2 单元 · %3 开机 · %4 个子窗口</source>
        <translation>%1 × %2 units · %3 on · %4 PIP windows</translation>
    </message>
    <message>
        <source>● 开</source>
        <translation>● ON</translation>
    </message>
    <message>
        <source>○ 关</source>
        <translation>○ OFF</translation>
    </message>
    <message>
        <source>无信号</source>
        <translation>No signal</translation>
    </message>
    <message>
        <source>测试画面 %1</source>
        <translation>Test pattern %1</translation>
    </message>
    <message>
        <source>%1 矩阵 输入 %2 → 输出 %3</source>
        <translation>%1 matrix in %2 → out %3</translation>
    </message>
    <message>
        <source>%1 矩阵 输出 %2</source>
        <translation>%1 matrix out %2</translation>
    </message>
    <message>
        <source>子窗口 %1</source>
        <translation>PIP %1</translation>
    </message>
    <message>
        <source>等待命令……</source>
        <translation>Waiting for commands…</translation>
    </message>
    <message>
        <source>%1 矩阵 未接</source>
        <translation>%1 matrix: not wired</translation>
    </message>
    <message>
        <source>未接</source>
        <translation>not wired</translation>
    </message>
    <message>
        <source>输出 %1</source>
        <translation>out %1</translation>
    </message>
</context>
</TS>
